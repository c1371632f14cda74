#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "formulas/FormulaRecord.h"
#include "formulas/RecordFile.h"
#include "shell/UserMessages.h"

namespace zyk {

// The user's own formulas in "UserEq.dat" in the data folder: a header line, then three lines
// (name, display form, calculator form) per record. Every operation opens, reads or writes and
// closes the file within itself, under the data folder's lock; problems are reported through
// `messages` in the calculator's own words, and the operation then does nothing more. Every write
// replaces the file atomically.
// Make one object per operation and discard it.
class CUserFormulaFile {
public:
    CUserFormulaFile(std::filesystem::path dataFolder, UserMessages& messages);

    // Appends every record of the file to `formulas`. A missing file is created with the
    // header only; an empty one is reported corrupt; one with another header is copied to
    // "UserEq.old" (replacing an older one) and then replaced by a fresh file. Returns false when
    // a problem was reported.
    bool ReadInto(std::vector<FormulaRecord>& formulas);

    // Replaces the file by the header and `formulas`.
    bool WriteAll(const std::vector<FormulaRecord>& formulas);

    // Replaces the name of record `recordIndex` (0-based). A record the file does not hold
    // shows "Could not rename the formula!" and writes nothing.
    bool RenameRecord(int recordIndex, const std::string& newName);

    // Adds one record at the end (creating the file with its header when missing or empty). A
    // trailing incomplete record is dropped first; an outdated file is renewed first.
    bool AppendRecord(const FormulaRecord& formula);

    // Replaces both forms of record `recordIndex` (0-based), keeping its name; an index beyond
    // the file's records adds a record named "Unknown".
    bool ReplaceRecord(int recordIndex, const std::string& displayForm,
                       const std::string& calculatorForm);

    std::filesystem::path FilePath() const;
    std::filesystem::path OldFilePath() const;

private:
    // How a read ended: records read, a problem reported but the file usable (empty, outdated),
    // or the file could not be read at all.
    enum class ReadResult { Read, Reported, Unreadable };
    ReadResult ReadRecords(std::vector<FormulaRecord>& formulas);

    bool Load();
    bool WriteOwn();
    bool RenewOutdated(const std::string& outdatedBytes);

    std::filesystem::path m_folder;
    RecordFile m_file;
    std::vector<FormulaRecord> m_formulas;  // the file's records while an operation runs
};

}  // namespace zyk
