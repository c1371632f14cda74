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

private:
    void WriteValue(const QString& key, const QString& asText, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
};

}  // namespace zyk
