#include "formulas/CUserConstantFile.h"

#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"

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

bool CUserConstantFile::ReadInto(std::vector<std::string>& names, std::vector<std::string>& symbols,
                                 std::vector<std::string>& values) {
    names.clear();
    symbols.clear();
    values.clear();
    RecordFile::Lists lists;
    std::string bytes;
    switch (m_file.Read(lists, bytes)) {
        case RecordFile::ReadOutcome::Records:
            break;
        case RecordFile::ReadOutcome::Created:
            return true;
        case RecordFile::ReadOutcome::Empty:
        case RecordFile::ReadOutcome::WrongHeader:
            m_file.Warn(formula_text::kFileCorrupt);
            // The defaults are about to be written over this file: keep what it held. An empty
            // file holds nothing worth an older copy's place.
            if (!bytes.empty() && ReplaceFileContents(BadFilePath(), bytes)) {
                m_file.Warn(formula_text::kSavingBadConstantFileFailed);
            }
            return false;
        case RecordFile::ReadOutcome::Failed:
            return false;
    }
    names = std::move(lists[0]);
    symbols = std::move(lists[1]);
    values = std::move(lists[2]);
    return true;
}

bool CUserConstantFile::WriteAll(const std::vector<std::string>& names,
                                 const std::vector<std::string>& symbols,
                                 const std::vector<std::string>& values) {
    return m_file.Write({names, symbols, values}, symbols.size());
}

bool CUserConstantFile::AppendRecord(const std::string& name, const std::string& symbol,
                                     const std::string& value) {
    return m_file.Append({name, symbol, value});
}

}  // namespace zyk
