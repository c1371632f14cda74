#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "shell/SettingsStore.h"

namespace zyk {

// A settings store held in memory: for tests, and for anything that must not touch the user's
// own settings.
class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int ReadInt(std::string_view section, std::string_view entry, int defaultValue) const override;
    std::string ReadText(std::string_view section, std::string_view entry,
                         std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    void WriteText(std::string_view section, std::string_view entry,
                   std::string_view value) override;

    // For tests: the stored value, or nothing when the entry was never written.
    std::optional<Value> Find(std::string_view section, std::string_view entry) const;
    std::size_t WriteCount() const { return m_writeCount; }

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, Value, std::less<>> m_values;
    std::size_t m_writeCount = 0;
};

}  // namespace zyk
