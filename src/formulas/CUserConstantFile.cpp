#include "formulas/CUserConstantFile.h"

#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/FolderLock.h"

namespace zyk {

CUserConstantFile::CUserConstantFile(std::filesystem::path dataFolder, UserMessages& messages)
    : m_folder(std::move(dataFolder)),
      m_file(m_folder / formula_text::kConstantFileName, formula_text::kConstantFileHeader,
             formula_text::kSavingConstantFileFailed, messages) {}

std::filesystem::path CUserConstantFile::FilePath() const {
    return m_file.Path();
}

std::filesystem::path CUserConstantFile::BadFilePath() const {
    return m_folder / formula_text::kBadConstantFileName;
}

CUserConstantFile::ReadStatus CUserConstantFile::ReadInto(std::vector<std::string>& names,
                                                          std::vector<std::string>& symbols,
                                                          std::vector<std::string>& values) {
    const FolderLock lock(m_folder);
    names.clear();
    symbols.clear();
    values.clear();
    RecordFile::Lists lists;
    std::string bytes;
    switch (m_file.Read(lists, bytes)) {
        case RecordFile::ReadOutcome::Records:
            break;
        case RecordFile::ReadOutcome::Created:
            return ReadStatus::Records;
        case RecordFile::ReadOutcome::NotCreated:
            return ReadStatus::Replaceable;
        case RecordFile::ReadOutcome::Empty:
        case RecordFile::ReadOutcome::WrongHeader:
            ReportCorrupt(bytes);
            return ReadStatus::Replaceable;
        case RecordFile::ReadOutcome::Failed:
            return ReadStatus::Unreadable;
    }
    names = std::move(lists[0]);
    symbols = std::move(lists[1]);
    values = std::move(lists[2]);
    return ReadStatus::Records;
}

bool CUserConstantFile::WriteAll(const std::vector<std::string>& names,
                                 const std::vector<std::string>& symbols,
                                 const std::vector<std::string>& values) {
    const FolderLock lock(m_folder);
    return m_file.Write({names, symbols, values}, symbols.size());
}

bool CUserConstantFile::AppendRecord(const std::string& name, const std::string& symbol,
                                     const std::string& value) {
    const FolderLock lock(m_folder);
    std::string bytes;
    switch (m_file.Append({name, symbol, value}, bytes)) {
        case RecordFile::AppendOutcome::Appended:
            return true;
        case RecordFile::AppendOutcome::WrongHeader:
            ReportCorrupt(bytes);
            return m_file.Write({{{name}, {symbol}, {value}}}, 1);
        case RecordFile::AppendOutcome::Failed:
            break;
    }
    return false;
}

void CUserConstantFile::ReportCorrupt(const std::string& bytes) {
    m_file.Warn(formula_text::kFileCorrupt);
    // The file is about to be written over: keep what it held, as private as it was. An empty
    // file holds nothing worth an older copy's place.
    if (bytes.empty()) {
        return;
    }
    if (ReplaceFileContents(BadFilePath(), bytes, FilePermissions(FilePath()))) {
        m_file.Warn(formula_text::kSavingBadConstantFileFailed);
    }
}

}  // namespace zyk
