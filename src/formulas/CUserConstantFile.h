#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "formulas/ConstantRecord.h"
#include "formulas/RecordFile.h"
#include "shell/UserMessages.h"

namespace zyk {

// The user's constants in "UserConstants.dat" in the data folder: a header line, then three lines
// (name, symbol, value) per constant. Same text rules and error reports as the user formula file.
// Every operation runs under the data folder's lock; every write replaces the file atomically.
class CUserConstantFile {
public:
    // What a reading found, which decides whether the defaults may be written over the file.
    enum class ReadStatus {
        Records,      // the header matched (the file may hold no constant)
        Replaceable,  // missing or corrupt: nothing in it would be lost
        Unreadable,   // it exists but could not be read (reported): nothing may be written
    };

    CUserConstantFile(std::filesystem::path dataFolder, UserMessages& messages);

    // Empties `constants`, then fills it with the file's records. A missing file is created
    // with the header only. An empty file or one with another header is reported as "The file is
    // corrupt!" and copied to "UserConstants.bad" (replacing an older one) so that the defaults
    // written afterwards do not lose it. Any other failure to open shows the open-error message.
    ReadStatus ReadInto(std::vector<ConstantRecord>& constants);

    // Replaces the file by the header and `constants`.
    bool WriteAll(const std::vector<ConstantRecord>& constants);

    // Adds one record at the end (creating the file with its header when missing or empty). A
    // trailing incomplete record is dropped first; a corrupt file is reported and kept as for
    // reading, and replaced by the header and the new record.
    bool AppendRecord(const ConstantRecord& constant);

    std::filesystem::path FilePath() const;
    std::filesystem::path BadFilePath() const;

private:
    void ReportCorrupt(const std::string& bytes);

    std::filesystem::path m_folder;
    RecordFile m_file;
};

}  // namespace zyk
