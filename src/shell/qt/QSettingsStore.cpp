#include "shell/qt/QSettingsStore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <utility>

#include "shell/ShellMessages.h"
#include "shell/qt/ApplicationNames.h"
#include "shell/qt/QtText.h"

namespace zyk {
namespace {

constexpr int kLockWaitMilliseconds = 5000;

QString Key(std::string_view section, std::string_view entry) {
    return ToQString(section, false) + QLatin1Char('/') + ToQString(entry, false);
}

QString UserFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, application_names::kOrganisation,
                     application_names::kApplication)
        .fileName();
}

QByteArray Contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text for a message: characters without a Windows-1252 byte (in a path) show as "?".
std::string MessageText(const QString& text) {
    std::string bytes;
    for (const QChar c : text) {
        bytes += FromQString(QString(c)).value_or("?");
    }
    return bytes;
}

}  // namespace

// In both, the contents are taken before QSettings reads the file: a write in between then shows
// as a difference at the next write, never as a change that goes unseen.
QSettingsStore::QSettingsStore()
    : m_fileName(UserFileName()),
      m_seen(Contents(m_fileName)),
      m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             application_names::kOrganisation,
                                             application_names::kApplication)) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : m_fileName(iniFile),
      m_seen(Contents(iniFile)),
      m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QVariant QSettingsStore::Value(const QString& key) const {
    const auto held = m_held.constFind(key);
    return held != m_held.constEnd() ? *held : m_settings->value(key);
}

int QSettingsStore::ReadInt(std::string_view section, std::string_view entry,
                            int defaultValue) const {
    const QVariant value = Value(Key(section, entry));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 0);
    return ok ? number : defaultValue;
}

std::string QSettingsStore::ReadText(std::string_view section, std::string_view entry,
                                     std::string_view defaultValue) const {
    const QVariant value = Value(Key(section, entry));
    if (!value.isValid()) {
        return std::string(defaultValue);
    }
    // A character without a Windows-1252 byte can only come from editing the file by hand.
    return FromQString(value.toString()).value_or(std::string(defaultValue));
}

void QSettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    WriteValue(Key(section, entry), value);
}

void QSettingsStore::WriteText(std::string_view section, std::string_view entry,
                               std::string_view value) {
    WriteValue(Key(section, entry), ToQString(value, false));
}

void QSettingsStore::WriteValue(const QString& key, const QVariant& value) {
    if (m_holds > 0) {
        m_held.insert(key, value);
        return;
    }
    Store({{key, value}});
}

void QSettingsStore::Store(const QMap<QString, QVariant>& entries) {
    // A folder that cannot hold the lock cannot hold the file either: the write goes on and its
    // failure is reported; QSettings' own lock still keeps two rewrites of the file apart.
    QLockFile lock(m_fileName + QStringLiteral(".update.lock"));
    lock.tryLock(kLockWaitMilliseconds);
    MakeOtherWritesSeen();
    // A QSettings object keeps the first error it met for good: a fresh one for each write tells
    // this write's outcome. Made, it takes in what others wrote; it shares the parsed file with
    // m_settings, which then reads the new values.
    QSettings writer(m_fileName, QSettings::IniFormat);
    bool changed = false;
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
        // Every start applies the colour scheme, writing some twenty entries that rarely change:
        // a write that changes nothing must not cost a rewrite of the file.
        const QVariant current = writer.value(entry.key());
        if (!current.isValid() || current.toString() != entry.value().toString()) {
            writer.setValue(entry.key(), entry.value());
            changed = true;
        }
    }
    if (changed) {
        writer.sync();
    }
    m_seen = Contents(m_fileName);
    if (writer.status() != QSettings::NoError) {
        ReportWriteFailed(FailureMessage());
    } else {
        ReportWriteStored();
    }
}

// QSettings sees another process's change to the file only by its size and modification time,
// and file systems keep that time in clock ticks of some milliseconds: a change of the same size
// within one tick would go unseen and be written over. When the contents differ from what this
// store last saw, the time is moved on so that the next QSettings object reads the file again.
void QSettingsStore::MakeOtherWritesSeen() const {
    const QByteArray contents = Contents(m_fileName);
    if (contents == m_seen || contents.size() != m_seen.size()) {
        return;
    }
    QFile file(m_fileName);
    if (file.open(QIODevice::ReadOnly)) {
        const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
        file.setFileTime(modified.addSecs(1), QFileDevice::FileModificationTime);
    }
}

// Why the file could not be written, as far as can be told afterwards: what is left when the
// folder and the file may be written is a write that ran out of room.
std::string QSettingsStore::FailureMessage() const {
    const QFileInfo file(m_fileName);
    std::string_view reason = shell_text::kSettingsDiskFull;
    if (file.isDir()) {
        reason = shell_text::kSettingsFileIsAFolder;
    } else if (!QFileInfo(file.absolutePath()).isWritable()) {
        reason = shell_text::kSettingsFolderReadOnly;
    } else if (file.exists() && !file.isWritable()) {
        reason = shell_text::kSettingsFileReadOnly;
    }
    return std::string(shell_text::kSettingsNotSaved) + MessageText(m_fileName) + "\n\n" +
           std::string(reason) + std::string(shell_text::kSettingsNotSavedEnd);
}

QSettingsStore::WriteHold::WriteHold(QSettingsStore& store) : m_store(store) {
    ++m_store.m_holds;
}

QSettingsStore::WriteHold::~WriteHold() {
    if (--m_store.m_holds == 0 && !m_store.m_held.isEmpty()) {
        const QMap<QString, QVariant> held = std::exchange(m_store.m_held, {});
        m_store.Store(held);
    }
}

}  // namespace zyk
