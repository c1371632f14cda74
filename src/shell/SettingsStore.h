#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "shell/SettingsEntry.h"

namespace zyk {

// The per-user settings store: section -> entry -> integer or text. Every read names its
// default, which an absent (or unreadable) entry yields; every write is stored at once.
// Texts are Windows-1252 byte strings, like all text in the core.
//
// A write that does not reach the store (a read-only folder, a full disk, a folder in the file's
// place) is never silent: the store tells its failure handler, once when writes start failing
// and again only after a write succeeded in between, so that a window moved about does not
// raise a message at every step. A failure met before a handler was set is told to the handler
// when it is set. WriteFailed() says whether any write of this run failed.
class SettingsStore {
public:
    // Receives the message to show: which file could not be written, and why.
    using WriteFailureHandler = std::function<void(const std::string& message)>;

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

    void SetWriteFailureHandler(WriteFailureHandler handler);
    bool WriteFailed() const { return m_writeFailed; }

protected:
    // Implementations tell the outcome of every write that tried to store something.
    void ReportWriteStored();
    void ReportWriteFailed(const std::string& message);

private:
    WriteFailureHandler m_onWriteFailure;
    std::string m_untold;  // a failure no handler has heard of yet
    bool m_writeFailed = false;
    bool m_failing = false;
};

}  // namespace zyk
