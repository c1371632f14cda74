// The user formula file from any bytes. Input: the file, a zero byte, then what the user does
// (a record number byte, then name, display form and calculator form separated by 0x01 bytes).
// Reading reports a problem exactly when it fails; an outdated file is kept whole as UserEq.old;
// the next start reads cleanly; the formula library lists what the file holds; every write
// (all records, an added, renamed, replaced or deleted record) reads back as written.
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
#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/FormulaLibrary.h"
#include "formulas/FormulaMessages.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxInput = 8192;

using Records = std::vector<FormulaRecord>;

struct ReadOutcome {
    bool ok = false;
    Records records;
    std::vector<std::string> messages;
};

ReadOutcome ReadFile(const std::filesystem::path& folder) {
    fuzz::CountingMessages messages;
    ReadOutcome outcome;
    outcome.ok = CUserFormulaFile(folder, messages).ReadInto(outcome.records);
    outcome.messages = messages.texts;
    Require(outcome.ok == messages.texts.empty(), "a read fails exactly when it reports");
    return outcome;
}

FormulaRecord AsWritten(std::string_view name, std::string_view displayForm,
                        std::string_view calculatorForm) {
    return {fuzz::AsWritten(name), fuzz::AsWritten(displayForm), fuzz::AsWritten(calculatorForm)};
}

Records AsWritten(const Records& records) {
    Records written;
    for (const FormulaRecord& r : records) {
        written.push_back(AsWritten(r.name, r.displayForm, r.calculatorForm));
    }
    return written;
}

void RequireReadsBack(const std::filesystem::path& folder, const Records& expected,
                      std::string_view promise) {
    const ReadOutcome read = ReadFile(folder);
    Require(read.ok && read.records == expected, promise);
}

void CheckLibrary(const std::filesystem::path& folder, const Records& records) {
    fuzz::CountingMessages messages;
    const FormulaLibrary library(folder, messages);
    Require(messages.texts.empty(), "the library reads a sound file without a message");
    Require(library.EntryCount() == kBuiltInFormulaCount + static_cast<int>(records.size()),
            "the library lists every record after the built-in formulas");
    const std::vector<std::string> names = library.Names();
    for (std::size_t i = 0; i < records.size(); ++i) {
        Require(names[kBuiltInFormulaCount + i] == records[i].name,
                "the library lists the records' names in file order");
    }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::FormulaFileVocabulary(), LLVMFuzzerMutate);
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
    fuzz::CountingMessages messages;
    CUserFormulaFile file(folder, messages);
    fuzz::WriteBytes(file.FilePath(), fileBytes);

    const ReadOutcome first = ReadFile(folder);
    const ReadOutcome second = ReadFile(folder);
    if (first.ok) {
        Require(second.ok && second.records == first.records && second.messages.empty(),
                "a second start reads the same records");
    } else if (fileBytes.empty()) {
        Require(!second.ok, "an empty file is reported at every start");
    } else {
        Require(fuzz::ReadBytes(file.OldFilePath()) == std::string(fileBytes),
                "an outdated file is kept whole as UserEq.old");
        Require(second.ok && second.records == Records{},
                "the start after an outdated file reads a fresh, empty file");
    }
    Records records = second.records;
    if (second.ok) {
        CheckLibrary(folder, records);
    }

    // Added to the file as it stands: after a record cut short, into an empty file.
    const std::string name = input.Field(0), display = input.Field(1), calculator = input.Field(2);
    Require(file.AppendRecord({calculator, name, display}), "adding a record succeeds");
    records.push_back(AsWritten(calculator, name, display));
    RequireReadsBack(folder, records, "a record added to the file as found reads back intact");

    Require(file.WriteAll(records), "writing every record succeeds");
    records = AsWritten(records);
    RequireReadsBack(folder, records, "every record reads back as written");

    Require(file.AppendRecord({name, display, calculator}), "adding a record succeeds");
    records.push_back(AsWritten(name, display, calculator));
    RequireReadsBack(folder, records, "an added record reads back after the others");

    const int count = static_cast<int>(records.size());
    const int index = input.Choice(count + 2);
    const bool renamed = file.RenameRecord(index, display);
    Require(renamed == (index < count), "a rename succeeds exactly for a record the file holds");
    if (renamed) {
        records[static_cast<std::size_t>(index)].name = fuzz::AsWritten(display);
    }
    RequireReadsBack(folder, records, "a renamed record reads back under its new name");

    Require(file.ReplaceRecord(index, calculator, name), "replacing a record succeeds");
    if (index < count) {
        FormulaRecord& replaced = records[static_cast<std::size_t>(index)];
        replaced.displayForm = fuzz::AsWritten(calculator);
        replaced.calculatorForm = fuzz::AsWritten(name);
    } else {
        records.push_back(AsWritten(formula_text::kUnknownRecordName, calculator, name));
    }
    RequireReadsBack(folder, records, "a replaced record reads back with its new forms");

    fuzz::CountingMessages libraryMessages;
    FormulaLibrary library(folder, libraryMessages);
    const int doomed = index % static_cast<int>(records.size());
    library.Select(kBuiltInFormulaCount + doomed);
    Require(library.Delete(), "a user formula can be deleted");
    records.erase(records.begin() + doomed);
    RequireReadsBack(folder, records, "the file loses exactly the deleted record");
    CheckLibrary(folder, records);
    return 0;
}
