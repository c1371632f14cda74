// Key scripts over a fresh calculator and an empty data folder: the script reader names every
// key or refuses the first unknown one; after every key the line is within its cap and the caret
// and the selection inside it; a second calculator started over the same settings and data folder
// reads back the memories and the formula file the first one wrote.
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
#include "LineChecks.h"
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
// Keys over long lines: once the keys have gone over this much line text in all, the script
// stops, since further keys only repeat the same work at a high price per run.
constexpr std::size_t kLineWorkBudget = std::size_t{1} << 20;

// Presses the keys one at a time, up to a formula index the library lacks.
void PressKeys(Calculator& calculator, const std::vector<ScriptKey>& keys,
               ScriptMessages& messages) {
    std::size_t lineWork = 0;
    for (const ScriptKey& key : keys) {
        if (lineWork > kLineWorkBudget) {
            return;
        }
        const std::string error = RunKeyScript(calculator, {key}, messages);
        fuzz::RequireLineSound(calculator);
        lineWork += calculator.ExpressionText().size();
        if (!error.empty()) {
            Require(key.kind == ScriptKey::Kind::Formula, "only a formula index stops a script");
            return;
        }
    }
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
