// Key scripts over a fresh calculator and an empty data folder: the script reader names every
// key or refuses the first unknown one; pressing the keys keeps the caret and the selection
// inside the line; a second calculator started over the same settings and data folder reads
// back the memories and the formula file the first one wrote.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "CountingMessages.h"
#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "ScratchFolder.h"
#include "calculator/Calculator.h"
#include "calculator/KeyScript.h"
#include "calculator/ScriptMessages.h"
#include "formulas/FormulaLibrary.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxScript = 4096;
// Copying the line and pasting it back doubles it; far beyond anything typed the script stops.
constexpr std::size_t kLongestLine = 100000;

void CheckLine(const Calculator& calculator) {
    const int length = static_cast<int>(calculator.ExpressionText().size());
    Require(calculator.Caret() >= 0 && calculator.Caret() <= length,
            "the caret stays inside the line");
    Require(calculator.SelectionStart() >= 0 &&
                calculator.SelectionStart() <= calculator.SelectionEnd() &&
                calculator.SelectionEnd() <= length,
            "the selection stays inside the line");
    Require(calculator.Caret() == calculator.SelectionStart() ||
                calculator.Caret() == calculator.SelectionEnd(),
            "the caret is at one end of the selection");
}

// Presses the keys one at a time; false when the script stopped on a formula index.
bool PressKeys(Calculator& calculator, const std::vector<ScriptKey>& keys,
               ScriptMessages& messages) {
    for (const ScriptKey& key : keys) {
        const std::string error = RunKeyScript(calculator, {key}, messages);
        CheckLine(calculator);
        if (!error.empty()) {
            Require(key.kind == ScriptKey::Kind::Formula, "only a formula index stops a script");
            return false;
        }
        if (calculator.ExpressionText().size() > kLongestLine) {
            return false;
        }
    }
    return true;
}

// Every memory the first calculator stored comes back as a number in the next one.
void CheckMemoriesReadBack(const MemorySettingsStore& store, Calculator& next) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        const auto stored = store.Find(settings::kUserConstants, std::string(1, digit));
        if (!stored) {
            continue;
        }
        const auto* text = std::get_if<std::string>(&*stored);
        Require(text != nullptr, "a memory is stored as text");
        char* end = nullptr;
        const double value = std::strtod(text->c_str(), &end);
        Require(!text->empty() && *end == '\0' && std::isfinite(value),
                "a stored memory is a finite number text");
        const auto loaded = next.Evaluator().Memory(std::string{'M', digit});
        Require(loaded && *loaded == value, "the next start loads the stored memory");
    }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::KeyVocabulary(), LLVMFuzzerMutate);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxScript) {
        return -1;
    }
    const ParsedKeyScript parsed = ParseKeyScript(fuzz::AsText(data, size));
    if (!parsed.error.empty()) {
        Require(parsed.keys.empty(), "a refused script has no keys");
        return 0;
    }
    static fuzz::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.Emptied();
    MemorySettingsStore store;
    fuzz::CountingMessages boxes;
    ScriptMessages messages(boxes);
    {
        Calculator calculator(store, messages, folder);
        PressKeys(calculator, parsed.keys, messages);
    }

    fuzz::CountingMessages nextBoxes;
    Calculator next(store, nextBoxes, folder);
    CheckMemoriesReadBack(store, next);
    const FormulaLibrary library(folder, nextBoxes);
    Require(nextBoxes.texts.empty(), "the formula file the calculator wrote reads back cleanly");
    return 0;
}
