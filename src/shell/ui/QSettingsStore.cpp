#include "shell/ui/QSettingsStore.h"

#include "shell/ui/QtText.h"

namespace zyk {
namespace {

constexpr auto kOrganisation = "Umbrin Software";
constexpr auto kApplication = "Zyk Calc";

QString Key(std::string_view section, std::string_view entry) {
    return ToQString(section, false) + QLatin1Char('/') + ToQString(entry, false);
}

}  // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             kOrganisation, kApplication)) {}

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
    m_settings->setValue(Key(section, entry), value);
    m_settings->sync();
}

void QSettingsStore::WriteText(std::string_view section, std::string_view entry,
                               std::string_view value) {
    m_settings->setValue(Key(section, entry), ToQString(value, false));
    m_settings->sync();
}

}  // namespace zyk
