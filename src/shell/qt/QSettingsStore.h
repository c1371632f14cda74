#pragma once

#include <QByteArray>
#include <QMap>
#include <QSettings>

#include <memory>

#include "shell/SettingsStore.h"

namespace zyk {

// The settings store on disk: an INI file through QSettings (organisation "Umbrin Software",
// application "Zyk Calc"), every write synced at once. Texts are kept as Unicode in the file and
// as Windows-1252 bytes in the core.
//
// Several calculators may share the file: each write runs under a lock file beside it
// ("<file>.update.lock"), first takes in what the others wrote, then stores its entry, so that
// no calculator writes back an older copy over another's entry. A write that does not reach the
// file is reported (SettingsStore) and the file keeps its old contents; the value stays readable
// in this run.
class QSettingsStore : public SettingsStore {
public:
    // The user's own store.
    QSettingsStore();
    // A store in one file (portable mode, tests).
    explicit QSettingsStore(const QString& iniFile);

    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) const override;
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    void WriteText(std::string_view section, std::string_view entry,
                   std::string_view value) override;

    // While a hold lives, writes are kept in memory (reads see them) and reach the file together
    // when the last hold ends. The window holds the writes of its start (the colour scheme, the
    // default folders: some twenty entries on a first start) until its first paint, since a
    // synced file rewrite for each would take longer than the start itself.
    class WriteHold {
    public:
        explicit WriteHold(QSettingsStore& store);
        ~WriteHold();
        WriteHold(const WriteHold&) = delete;
        WriteHold& operator=(const WriteHold&) = delete;

    private:
        QSettingsStore& m_store;
    };

    QString FileName() const { return m_fileName; }

private:
    QVariant Value(const QString& key) const;
    void WriteValue(const QString& key, const QVariant& value);
    // Stores the entries (those that differ from the file) under the lock, in one rewrite.
    void Store(const QMap<QString, QVariant>& entries);
    void MakeOtherWritesSeen() const;
    std::string FailureMessage() const;

    QString m_fileName;
    // The file's contents as this store last saw them: a difference is another calculator's write.
    QByteArray m_seen;
    std::unique_ptr<QSettings> m_settings;
    int m_holds = 0;
    QMap<QString, QVariant> m_held;  // writes waiting for the last hold to end
};

}  // namespace zyk
