#pragma once

#include <QSettings>

#include <memory>

#include "shell/SettingsStore.h"

namespace zyk {

// The settings store on disk: an INI file through QSettings (filed under the names of
// ApplicationNames.h), every write synced at once. Texts are kept as Unicode in the file and
// as Windows-1252 bytes in the core.
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

private:
    void WriteValue(const QString& key, const QString& asText, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
    int m_holds = 0;
    bool m_held = false;  // a write waits for the last hold to end
};

}  // namespace zyk
