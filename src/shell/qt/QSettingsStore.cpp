#include "shell/qt/QSettingsStore.h"

#include "shell/qt/ApplicationNames.h"
#include "shell/qt/QtText.h"

namespace zyk {
namespace {

QString Key(std::string_view section, std::string_view entry) {
    return ToQString(section, false) + QLatin1Char('/') + ToQString(entry, false);
}

}  // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             application_names::kOrganisation,
                                             application_names::kApplication)) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int QSettingsStore::ReadInt(std::string_view section, std::string_view entry,
                            int defaultValue) const {
    const QVariant value = m_settings->value(Key(section, entry));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 0);
    return ok ? number : defaultValue;
}

std::string QSettingsStore::ReadText(std::string_view section, std::string_view entry,
                                     std::string_view defaultValue) const {
    const QVariant value = m_settings->value(Key(section, entry));
    if (!value.isValid()) {
        return std::string(defaultValue);
    }
    // A character without a Windows-1252 byte can only come from editing the file by hand.
    return FromQString(value.toString()).value_or(std::string(defaultValue));
}

void QSettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    WriteValue(Key(section, entry), QString::number(value), value);
}

void QSettingsStore::WriteText(std::string_view section, std::string_view entry,
                               std::string_view value) {
    const QString text = ToQString(value, false);
    WriteValue(Key(section, entry), text, text);
}

void QSettingsStore::WriteValue(const QString& key, const QString& asText, const QVariant& value) {
    // Every start applies the colour scheme, writing some twenty entries that rarely change: a
    // write that changes nothing must not cost a rewrite of the file.
    const QVariant current = m_settings->value(key);
    if (current.isValid() && current.toString() == asText) {
        return;
    }
    m_settings->setValue(key, value);
    if (m_holds > 0) {
        m_held = true;
        return;
    }
    m_settings->sync();
}

QSettingsStore::WriteHold::WriteHold(QSettingsStore& store) : m_store(store) {
    ++m_store.m_holds;
}

QSettingsStore::WriteHold::~WriteHold() {
    if (--m_store.m_holds == 0 && m_store.m_held) {
        m_store.m_held = false;
        m_store.m_settings->sync();
    }
}

}  // namespace zyk
