#include "shell/MemorySettingsStore.h"

namespace zyk {

std::optional<MemorySettingsStore::Value> MemorySettingsStore::Find(std::string_view section,
                                                                    std::string_view entry) const {
    const auto it = m_values.find(Key{std::string(section), std::string(entry)});
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view entry,
                                 int defaultValue) const {
    const auto value = Find(section, entry);
    if (value && std::holds_alternative<int>(*value)) {
        return std::get<int>(*value);
    }
    return defaultValue;
}

std::string MemorySettingsStore::ReadText(std::string_view section, std::string_view entry,
                                          std::string_view defaultValue) const {
    const auto value = Find(section, entry);
    if (value && std::holds_alternative<std::string>(*value)) {
        return std::get<std::string>(*value);
    }
    return std::string(defaultValue);
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view entry, int value) {
    m_values[Key{std::string(section), std::string(entry)}] = value;
    ++m_writeCount;
}

void MemorySettingsStore::WriteText(std::string_view section, std::string_view entry,
                                    std::string_view value) {
    m_values[Key{std::string(section), std::string(entry)}] = std::string(value);
    ++m_writeCount;
}

}  // namespace zyk
