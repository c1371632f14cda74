#include "formulas/RecordFile.h"

#include <cerrno>

#include "formulas/FileErrorCause.h"
#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/TextLines.h"

namespace zyk {
namespace {

// A line never holds a line break of its own: one inside a field would shift every following
// record, so it is written as a space.
void AppendLine(std::string& out, std::string_view line) {
    for (const char c : line) {
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    out += formula_text::kLineEnd;
}

// The length of the header line and the complete records after it: the bytes up to the end of
// line 1 + 3k, where k is the number of complete records (the last line may lack its end).
std::size_t EndOfCompleteRecords(std::string_view bytes) {
    std::size_t lineCount = 0;
    std::size_t keep = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        start = end == std::string_view::npos ? bytes.size() : end + 1;
        ++lineCount;
        if (lineCount % 3 == 1) {
            keep = start;
        }
    }
    return keep;
}

}  // namespace

RecordFile::RecordFile(std::filesystem::path path, std::string_view header,
                       std::string_view saveFailedText, UserMessages& messages)
    : m_path(std::move(path)),
      m_header(header),
      m_saveFailedText(saveFailedText),
      m_messages(messages) {}

std::error_code RecordFile::ReadBytes(std::string& bytes) const {
    bytes.clear();
    std::error_code status;
    // A folder of the file's name opens on some systems and reads as nothing: refuse it as the
    // access failure it is.
    if (std::filesystem::is_directory(m_path, status)) {
        return std::error_code(EISDIR, std::generic_category());
    }
    return ReadFileContents(m_path, bytes);
}

RecordFile::ReadOutcome RecordFile::Read(std::vector<Record>& records, std::string& bytes) {
    const std::error_code error = ReadBytes(bytes);
    if (error) {
        if (FileErrorCause(error) == kCauseFileNotFound) {
            // Created with the header only, silently; a failure to create it is still reported.
            return Write({}) ? ReadOutcome::Created : ReadOutcome::NotCreated;
        }
        ShowOpenError(error);
        return ReadOutcome::Failed;
    }
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty()) {
        return ReadOutcome::Empty;
    }
    if (lines.front() != m_header) {
        return ReadOutcome::WrongHeader;
    }
    for (std::size_t i = 1; i + 2 < lines.size(); i += 3) {
        records.push_back(Record{lines[i], lines[i + 1], lines[i + 2]});
    }
    return ReadOutcome::Records;
}

bool RecordFile::Write(const std::vector<Record>& records) {
    std::string out;
    AppendLine(out, m_header);
    for (const Record& record : records) {
        for (const std::string& line : record) {
            AppendLine(out, line);
        }
    }
    const std::error_code error = ReplaceFileContents(m_path, out);
    if (error) {
        ShowOpenError(error);
        return false;
    }
    return true;
}

bool RecordFile::WriteHeaderOnly() {
    std::string out;
    AppendLine(out, m_header);
    if (ReplaceFileContents(m_path, out)) {
        Warn(m_saveFailedText);
        return false;
    }
    return true;
}

RecordFile::AppendOutcome RecordFile::Append(const Record& record, std::string& bytes) {
    std::error_code error = ReadBytes(bytes);
    if (error && FileErrorCause(error) != kCauseFileNotFound) {
        ShowOpenError(error);
        return AppendOutcome::Failed;
    }
    if (error) {
        WriteHeaderOnly();
        error = ReadBytes(bytes);
        if (error) {
            if (FileErrorCause(error) != kCauseFileNotFound) {
                ShowOpenError(error);
            }
            return AppendOutcome::Failed;
        }
    }
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty()) {
        // An empty file has nothing to keep; without a header the record would never read back.
        bytes.clear();
        AppendLine(bytes, m_header);
    } else if (lines.front() != m_header) {
        return AppendOutcome::WrongHeader;
    } else {
        bytes.resize(EndOfCompleteRecords(bytes));
    }
    // A last line without its end would otherwise run into the new record's name.
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += formula_text::kLineEnd;
    }
    for (const auto& line : record) {
        AppendLine(bytes, line);
    }
    error = ReplaceFileContents(m_path, bytes);
    if (error) {
        ShowOpenError(error);
        return AppendOutcome::Failed;
    }
    return AppendOutcome::Appended;
}

void RecordFile::ShowOpenError(std::error_code error) {
    Warn(OpenErrorMessage(error));
}

void RecordFile::Warn(std::string_view text) {
    m_messages.ShowMessage(text, "", MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace zyk
