#include "formulas/CUserConstantFile.h"

#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/FolderLock.h"

namespace zyk {
namespace {

RecordFile::Record ToLines(const ConstantRecord& constant) {
    return {constant.name, constant.symbol, constant.value};
}

}  // namespace

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

CUserConstantFile::ReadStatus CUserConstantFile::ReadInto(std::vector<ConstantRecord>& constants) {
    const FolderLock lock(m_folder);
    constants.clear();
    std::vector<RecordFile::Record> records;
    std::string bytes;
    switch (m_file.Read(records, bytes)) {
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
    for (RecordFile::Record& lines : records) {
        constants.push_back(
            ConstantRecord{std::move(lines[0]), std::move(lines[1]), std::move(lines[2])});
    }
    return ReadStatus::Records;
}

bool CUserConstantFile::WriteAll(const std::vector<ConstantRecord>& constants) {
    const FolderLock lock(m_folder);
    std::vector<RecordFile::Record> records;
    records.reserve(constants.size());
    for (const ConstantRecord& constant : constants) {
        records.push_back(ToLines(constant));
    }
    return m_file.Write(records);
}

bool CUserConstantFile::AppendRecord(const ConstantRecord& constant) {
    const FolderLock lock(m_folder);
    std::string bytes;
    switch (m_file.Append(ToLines(constant), bytes)) {
        case RecordFile::AppendOutcome::Appended:
            return true;
        case RecordFile::AppendOutcome::WrongHeader:
            ReportCorrupt(bytes);
            return m_file.Write({ToLines(constant)});
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
