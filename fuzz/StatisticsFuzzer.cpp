// The statistics data files from any bytes, through the two pages of the statistics window.
// Input: a selector byte (bit 0: the Regression page with its .slr pairs, else the Standard
// Deviation page with its .ssd values; bits 1-2: the regression model), the file, a zero byte,
// then a typed entry and a frequency separated by 0x01. Open takes every line; the values stay
// sorted as single insertions would sort them; Add takes exactly the texts the page accepts;
// Calculate on pairs fails exactly when a pair has no ';'; every result line that >> offers goes
// into the calculator; Save As writes a file that opens with the same entries.
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
#include "LineChecks.h"
#include "ScratchFolder.h"
#include "calculator/Calculator.h"
#include "shell/MemorySettingsStore.h"
#include "statistics/DataFile.h"
#include "statistics/EntryAcceptance.h"
#include "statistics/RegressionModel.h"
#include "statistics/RegressionPage.h"
#include "statistics/StatisticsPage.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxInput = 8192;

std::vector<std::string> Entries(const DataPage& page) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < page.Count(); ++i) {
        entries.push_back(page.EntryText(i));
    }
    return entries;
}

// The list as one insertion after the other would leave it.
void CheckSortedAsInserted(const StatisticsPage& page, const std::vector<std::string>& lines) {
    ValueList oneByOne;
    for (const std::string& line : lines) {
        oneByOne.Insert(line);
    }
    const auto& entries = page.Values().Entries();
    Require(entries.size() == oneByOne.Size(), "every line of the file is a value");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Require(entries[i].text == oneByOne.At(i).text,
                "a file's values are sorted as single insertions sort them");
    }
}

// Hands every line >> offers to a calculator, as the window does.
void InsertResults(DataPage& page, const std::filesystem::path& folder) {
    MemorySettingsStore store;
    fuzz::CountingMessages messages;
    Calculator calculator(store, messages, folder);
    for (std::size_t line = 0; line < page.Results().size(); ++line) {
        page.SelectResult(line);
        if (auto* values = dynamic_cast<StatisticsPage*>(&page)) {
            if (const auto text = values->InsertText()) {
                calculator.InsertNumberText(*text);
            }
        } else if (const auto formula = static_cast<RegressionPage&>(page).InsertFormula()) {
            calculator.InsertFormulaWithValues(formula->formula, formula->a, formula->b);
        }
        fuzz::RequireLineSound(calculator);
    }
}

void CheckAdd(DataPage& page, const std::string& field, const std::string& frequency) {
    auto* values = dynamic_cast<StatisticsPage*>(&page);
    const std::size_t before = page.Count();
    page.SetField(field);
    if (values != nullptr) {
        values->SetFrequency(frequency);
    }
    const bool added = page.Add();
    const bool acceptable =
        values != nullptr ? IsAcceptedValueText(field) : IsAcceptedPairText(field);
    Require(!added || acceptable, "Add takes only texts the page accepts");
    Require(added || page.Count() == before, "a refused text adds nothing");
    if (values == nullptr) {
        Require(added == acceptable, "the Regression page adds every accepted pair");
        Require(!added || page.Count() == before + 1, "a pair is added once");
    }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::StatisticsVocabulary(), LLVMFuzzerMutate, 1);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxInput) {
        return -1;
    }
    const bool pairs = (data[0] & 1) != 0;
    const fuzz::FileAndFields input(fuzz::AsText(data + 1, size - 1), false, 2);
    const std::string_view fileBytes = input.FileBytes();

    static fuzz::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.Emptied();
    const std::filesystem::path file = folder / (pairs ? "data.slr" : "data.ssd");
    const std::filesystem::path saved = folder / (pairs ? "saved.slr" : "saved.ssd");
    fuzz::WriteBytes(file, fileBytes);
    const std::vector<std::string> lines = SplitDataLines(fileBytes);

    StatisticsPage valuesPage;
    RegressionPage pairsPage;
    DataPage& page = pairs ? static_cast<DataPage&>(pairsPage) : valuesPage;
    pairsPage.SetType(kRegressionModels[(data[0] >> 1) & 3].type);
    page.EmptyForOpen();
    Require(page.Open(file) && page.FilePath() == file, "a readable file opens");
    if (pairs) {
        Require(Entries(page) == lines, "the pairs are the file's lines in order");
        const bool everyPairSplits = std::all_of(lines.begin(), lines.end(), [](const auto& line) {
            return SplitPair(line).has_value();
        });
        Require(pairsPage.Calculate() == everyPairSplits,
                "Calculate fails exactly when a pair has no ';'");
    } else {
        CheckSortedAsInserted(valuesPage, lines);
        valuesPage.Calculate();
    }
    InsertResults(page, folder);

    CheckAdd(page, input.Field(0), input.Field(1));
    if (page.CanSave()) {
        Require(page.SaveAs(saved), "Save As writes the list");
        StatisticsPage valuesAgain;
        RegressionPage pairsAgain;
        DataPage& again = pairs ? static_cast<DataPage&>(pairsAgain) : valuesAgain;
        Require(again.Open(saved), "a saved file opens");
        std::vector<std::string> expected = Entries(page), reopened = Entries(again);
        if (!pairs) {
            // Values of equal number may come back in another order.
            std::sort(expected.begin(), expected.end());
            std::sort(reopened.begin(), reopened.end());
        }
        Require(reopened == expected, "a saved list opens with the same entries");
    }
    return 0;
}
