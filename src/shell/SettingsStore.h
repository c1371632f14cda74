#pragma once

#include <string>
#include <string_view>

namespace zyk {

// The per-user settings store: section -> entry -> integer or text. Every read names its
// default, which an absent (or unreadable) entry yields; every write is stored at once.
// Texts are Windows-1252 byte strings, like all text in the core.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int ReadInt(std::string_view section, std::string_view entry,
                        int defaultValue) const = 0;
    virtual std::string ReadText(std::string_view section, std::string_view entry,
                                 std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view entry, int value) = 0;
    virtual void WriteText(std::string_view section, std::string_view entry,
                           std::string_view value) = 0;
};

}  // namespace zyk
