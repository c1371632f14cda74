#include "formulas/CUserFormulaFile.h"

#include "formulas/FileErrorCause.h"
#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/FolderLock.h"

namespace zyk {

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

bool CUserFormulaFile::ReadInto(std::vector<std::string>& names,
                                std::vector<std::string>& displayForms,
                                std::vector<std::string>& calculatorForms) {
    const FolderLock lock(m_folder);
    return ReadRecords(names, displayForms, calculatorForms) == ReadResult::Read;
}

CUserFormulaFile::ReadResult CUserFormulaFile::ReadRecords(
    std::vector<std::string>& names, std::vector<std::string>& displayForms,
    std::vector<std::string>& calculatorForms) {
    RecordFile::Lists lists;
    std::string bytes;
    switch (m_file.Read(lists, bytes)) {
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
    names.insert(names.end(), lists[0].begin(), lists[0].end());
    displayForms.insert(displayForms.end(), lists[1].begin(), lists[1].end());
    calculatorForms.insert(calculatorForms.end(), lists[2].begin(), lists[2].end());
    return ReadResult::Read;
}

bool CUserFormulaFile::WriteAll(const std::vector<std::string>& names,
                                const std::vector<std::string>& displayForms,
                                const std::vector<std::string>& calculatorForms) {
    const FolderLock lock(m_folder);
    return m_file.Write({names, displayForms, calculatorForms}, displayForms.size());
}

bool CUserFormulaFile::RenameRecord(int recordIndex, const std::string& newName) {
    const FolderLock lock(m_folder);
    if (!Load()) {
        return false;
    }
    if (recordIndex < 0 || static_cast<std::size_t>(recordIndex) >= m_names.size()) {
        m_file.Warn(formula_text::kCouldNotRename);
        return false;
    }
    m_names[static_cast<std::size_t>(recordIndex)] = newName;
    return WriteOwn();
}

bool CUserFormulaFile::AppendRecord(const std::string& name, const std::string& displayForm,
                                    const std::string& calculatorForm) {
    const FolderLock lock(m_folder);
    std::string bytes;
    switch (m_file.Append({name, displayForm, calculatorForm}, bytes)) {
        case RecordFile::AppendOutcome::Appended:
            return true;
        case RecordFile::AppendOutcome::WrongHeader:
            // Appended to an outdated file, the record would leave the list with it at the next
            // reading: renew the file first, then add the record to the new one.
            return RenewOutdated(bytes) &&
                   m_file.Append({name, displayForm, calculatorForm}, bytes) ==
                       RecordFile::AppendOutcome::Appended;
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
    if (recordIndex < 0 || static_cast<std::size_t>(recordIndex) >= m_names.size()) {
        m_names.emplace_back(formula_text::kUnknownRecordName);
        m_displayForms.push_back(displayForm);
        m_calculatorForms.push_back(calculatorForm);
    } else {
        const auto i = static_cast<std::size_t>(recordIndex);
        m_displayForms[i] = displayForm;
        m_calculatorForms[i] = calculatorForm;
    }
    return WriteOwn();
}

// An empty or outdated file counts as holding no records (the command goes on and writes); a file
// that could not be read or renewed ends the command, since writing our empty lists over it
// would lose its records.
bool CUserFormulaFile::Load() {
    m_names.clear();
    m_displayForms.clear();
    m_calculatorForms.clear();
    return ReadRecords(m_names, m_displayForms, m_calculatorForms) != ReadResult::Unreadable;
}

bool CUserFormulaFile::WriteOwn() {
    return m_file.Write({m_names, m_displayForms, m_calculatorForms}, m_displayForms.size());
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
    if (!m_file.Write({m_names, m_displayForms, m_calculatorForms}, m_names.size())) {
        return false;
    }
    m_file.Warn(formula_text::kFormulaFileRenewed);
    return true;
}

}  // namespace zyk
