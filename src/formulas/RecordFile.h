#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "shell/UserMessages.h"

namespace zyk {

// The part both data files share: a fixed header line followed by records of three lines, written
// with CR LF. Reads and writes whole files (writes through a temporary file renamed over the
// target) and reports open failures through `messages` with the open-error text.
class RecordFile {
public:
    // The three lines of one record, in file order.
    using Record = std::array<std::string, 3>;

    enum class ReadOutcome {
        Records,      // header matched; complete records appended
        Created,      // the file was missing and has been created (header only)
        NotCreated,   // the file was missing and could not be created (reported)
        Empty,        // the file holds no line at all
        WrongHeader,  // the first line is not exactly the header
        Failed,       // open or read failure (reported)
    };

    RecordFile(std::filesystem::path path, std::string_view header, std::string_view saveFailedText,
               UserMessages& messages);

    // Appends the complete records to `records`; a trailing record of one or two lines is
    // dropped. `bytes` receives the file's contents (for callers that keep a corrupt file).
    ReadOutcome Read(std::vector<Record>& records, std::string& bytes);

    // Replaces the file by the header and `records`.
    bool Write(const std::vector<Record>& records);

    // Creates or truncates the file to the header only; failures show the save-failed text.
    bool WriteHeaderOnly();

    enum class AppendOutcome {
        Appended,
        WrongHeader,  // nothing written: the first line is not the header; `bytes` holds the file
        Failed,       // reported
    };

    // Adds one record at the end, creating the file with its header when missing or empty. A
    // trailing incomplete record (one or two lines) is dropped first, so that the new record
    // starts on a record's first line and reads back as written.
    AppendOutcome Append(const Record& record, std::string& bytes);

    void ShowOpenError(std::error_code error);
    void Warn(std::string_view text);
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::error_code ReadBytes(std::string& bytes) const;

    std::filesystem::path m_path;
    std::string_view m_header;
    std::string_view m_saveFailedText;
    UserMessages& m_messages;
};

}  // namespace zyk
