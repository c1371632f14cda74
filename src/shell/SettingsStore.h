#pragma once

#include <string>
#include <string_view>

#include "shell/SettingsEntry.h"

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

    // The typed entries of SettingsKeys.h, each read with its own default.
    int Read(const settings::IntEntry& entry) const {
        return ReadInt(entry.section, entry.entry, entry.defaultValue);
    }
    std::string Read(const settings::TextEntry& entry) const {
        return ReadText(entry.section, entry.entry, entry.defaultValue);
    }
    void Write(const settings::IntEntry& entry, int value) {
        WriteInt(entry.section, entry.entry, value);
    }
    void Write(const settings::TextEntry& entry, std::string_view value) {
        WriteText(entry.section, entry.entry, value);
    }
};

}  // namespace zyk
