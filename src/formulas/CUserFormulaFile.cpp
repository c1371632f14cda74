#include "formulas/CUserFormulaFile.h"

#include "formulas/FileErrorCause.h"
#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/FolderLock.h"

namespace zyk {
namespace {

RecordFile::Record ToLines(const FormulaRecord& formula) {
    return {formula.name, formula.displayForm, formula.calculatorForm};
}

std::vector<RecordFile::Record> ToLines(const std::vector<FormulaRecord>& formulas) {
    std::vector<RecordFile::Record> records;
    records.reserve(formulas.size());
    for (const FormulaRecord& formula : formulas) {
        records.push_back(ToLines(formula));
    }
    return records;
}

}  // namespace

CUserFormulaFile::CUserFormulaFile(std::filesystem::path dataFolder, UserMessages& messages)
    : m_folder(std::move(dataFolder)),
      m_file(m_folder / formula_text::kFormulaFileName, formula_text::kFormulaFileHeader,
             formula_text::kSavingFormulaFileFailed, messages) {}

std::filesystem::path CUserFormulaFile::FilePath() const {
    return m_file.Path();
}

std::filesystem::path CUserFormulaFile::OldFilePath() const {
    return m_folder / formula_text::kOldFormulaFileName;
}

bool CUserFormulaFile::ReadInto(std::vector<FormulaRecord>& formulas) {
    const FolderLock lock(m_folder);
    return ReadRecords(formulas) == ReadResult::Read;
}

CUserFormulaFile::ReadResult CUserFormulaFile::ReadRecords(std::vector<FormulaRecord>& formulas) {
    std::vector<RecordFile::Record> records;
    std::string bytes;
    switch (m_file.Read(records, bytes)) {
        case RecordFile::ReadOutcome::Records:
            break;
        case RecordFile::ReadOutcome::Created:
            return ReadResult::Read;
        case RecordFile::ReadOutcome::Empty:
            m_file.Warn(formula_text::kFileCorrupt);
            return ReadResult::Reported;
        case RecordFile::ReadOutcome::WrongHeader:
            return RenewOutdated(bytes) ? ReadResult::Reported : ReadResult::Unreadable;
        case RecordFile::ReadOutcome::NotCreated:
        case RecordFile::ReadOutcome::Failed:
            return ReadResult::Unreadable;
    }
    for (RecordFile::Record& lines : records) {
        formulas.push_back(
            FormulaRecord{std::move(lines[0]), std::move(lines[1]), std::move(lines[2])});
    }
    return ReadResult::Read;
}

bool CUserFormulaFile::WriteAll(const std::vector<FormulaRecord>& formulas) {
    const FolderLock lock(m_folder);
    return m_file.Write(ToLines(formulas));
}

bool CUserFormulaFile::RenameRecord(int recordIndex, const std::string& newName) {
    const FolderLock lock(m_folder);
    if (!Load()) {
        return false;
    }
    if (recordIndex < 0 || static_cast<std::size_t>(recordIndex) >= m_formulas.size()) {
        m_file.Warn(formula_text::kCouldNotRename);
        return false;
    }
    m_formulas[static_cast<std::size_t>(recordIndex)].name = newName;
    return WriteOwn();
}

bool CUserFormulaFile::AppendRecord(const FormulaRecord& formula) {
    const FolderLock lock(m_folder);
    std::string bytes;
    switch (m_file.Append(ToLines(formula), bytes)) {
        case RecordFile::AppendOutcome::Appended:
            return true;
        case RecordFile::AppendOutcome::WrongHeader:
            // Appended to an outdated file, the record would leave the list with it at the next
            // reading: renew the file first, then add the record to the new one.
            return RenewOutdated(bytes) &&
                   m_file.Append(ToLines(formula), bytes) == RecordFile::AppendOutcome::Appended;
        case RecordFile::AppendOutcome::Failed:
            break;
    }
    return false;
}

bool CUserFormulaFile::ReplaceRecord(int recordIndex, const std::string& displayForm,
                                     const std::string& calculatorForm) {
    const FolderLock lock(m_folder);
    if (!Load()) {
        return false;
    }
    if (recordIndex < 0 || static_cast<std::size_t>(recordIndex) >= m_formulas.size()) {
        m_formulas.push_back(FormulaRecord{std::string(formula_text::kUnknownRecordName),
                                           displayForm, calculatorForm});
    } else {
        FormulaRecord& formula = m_formulas[static_cast<std::size_t>(recordIndex)];
        formula.displayForm = displayForm;
        formula.calculatorForm = calculatorForm;
    }
    return WriteOwn();
}

// An empty or outdated file counts as holding no records (the command goes on and writes); a file
// that could not be read or renewed ends the command, since writing our empty lists over it
// would lose its records.
bool CUserFormulaFile::Load() {
    m_formulas.clear();
    return ReadRecords(m_formulas) != ReadResult::Unreadable;
}

bool CUserFormulaFile::WriteOwn() {
    return m_file.Write(ToLines(m_formulas));
}

bool CUserFormulaFile::RenewOutdated(const std::string& outdatedBytes) {
    // The copy is complete before the file is replaced, so a crash at any moment leaves the
    // outdated file in one of the two names and a readable UserEq.dat. An older UserEq.old is
    // replaced: only the most recent outdated file is kept. The copy is as private as the file.
    const std::error_code error =
        ReplaceFileContents(OldFilePath(), outdatedBytes, FilePermissions(FilePath()));
    if (error) {
        m_file.Warn(std::string(formula_text::kRenameOutdatedFailed) +
                    FileErrorCauseText(FileErrorCause(error)));
        return false;
    }
    if (!m_file.Write(ToLines(m_formulas))) {
        return false;
    }
    m_file.Warn(formula_text::kFormulaFileRenewed);
    return true;
}

}  // namespace zyk
