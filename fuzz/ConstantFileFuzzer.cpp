// The user constants file from any bytes, and the constants window's list over it. Input: the
// file, a zero byte, then what the user does (a combo entry byte, then name, symbol and value
// separated by 0x01 bytes). Reading reports a problem exactly when it fails; a corrupt file is
// kept whole as UserConstants.bad; the next start shows the same constants without a message;
// after Add, Edit and Delete the file holds exactly what the list shows.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "CountingMessages.h"
#include "DataFiles.h"
#include "FileAndFields.h"
#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "ScratchFolder.h"
#include "formulas/CUserConstantFile.h"
#include "formulas/ConstantsList.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxInput = 8192;

using Constants = std::vector<ConstantRecord>;

const Constants& Shown(const ConstantsList& list) {
    return list.Constants();
}

Constants AsWritten(const Constants& constants) {
    Constants written;
    for (const ConstantRecord& c : constants) {
        written.push_back(
            {fuzz::AsWritten(c.name), fuzz::AsWritten(c.symbol), fuzz::AsWritten(c.value)});
    }
    return written;
}

void CheckList(const ConstantsList& list) {
    std::vector<std::string> names;
    for (const ConstantRecord& constant : list.Constants()) {
        names.push_back(constant.name);
    }
    std::vector<std::string> sorted = list.SortedNames();
    std::sort(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    Require(names == sorted, "the combo offers every constant once");
    const int entries = static_cast<int>(list.SortedNames().size());
    Require(list.ComboSelection() >= -1 && list.ComboSelection() < entries,
            "the combo's selection is one of its entries or none");
}

// The file read afresh holds what the list shows (line breaks in fields are kept as blanks).
void RequireFileHolds(const std::filesystem::path& folder, const ConstantsList& list,
                      std::string_view promise) {
    fuzz::CountingMessages messages;
    Constants read;
    const bool ok = CUserConstantFile(folder, messages).ReadInto(read) ==
                    CUserConstantFile::ReadStatus::Records;
    Require(ok && AsWritten(read) == AsWritten(Shown(list)), promise);
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::ConstantFileVocabulary(), LLVMFuzzerMutate);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return -1;
    }
    const fuzz::FileAndFields input(fuzz::AsText(data, size), true, 3);
    const std::string_view fileBytes = input.FileBytes();

    static fuzz::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.Emptied();
    fuzz::CountingMessages fileMessages;
    CUserConstantFile file(folder, fileMessages);
    fuzz::WriteBytes(file.FilePath(), fileBytes);

    Constants read;
    const bool readOk = file.ReadInto(read) == CUserConstantFile::ReadStatus::Records;
    Require(readOk == fileMessages.texts.empty(), "a read fails exactly when it reports");
    if (!readOk && !fileBytes.empty()) {
        Require(fuzz::ReadBytes(file.BadFilePath()) == std::string(fileBytes),
                "a corrupt file is kept whole as UserConstants.bad");
    }

    fuzz::CountingMessages messages;
    ConstantsList list(folder, messages);
    CheckList(list);
    Require(!list.Constants().empty(), "the list holds the file's constants or the defaults");
    {
        fuzz::CountingMessages nextMessages;
        const ConstantsList next(folder, nextMessages);
        Require(nextMessages.texts.empty() && Shown(next) == Shown(list),
                "the next start shows the same constants without a message");
    }

    const int entries = static_cast<int>(list.SortedNames().size());
    const int entry = input.Choice(entries + 1);
    list.SelectComboEntry(entry);
    list.Add({input.Field(0), input.Field(1), input.Field(2)});
    CheckList(list);
    RequireFileHolds(folder, list, "an added constant is in the file as in the list");
    list.SelectComboEntry(entry);
    list.Edit({input.Field(1), input.Field(2), input.Field(0)});
    CheckList(list);
    RequireFileHolds(folder, list, "an edited constant is in the file as in the list");
    list.Delete();
    CheckList(list);
    RequireFileHolds(folder, list, "a deleted constant is gone from the file and the list");
    return 0;
}
