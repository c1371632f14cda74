// The expression engine over any text, in every base, angle mode, answer format and number of
// decimals (the first byte chooses them): the evaluator answers exactly when its error text is
// empty, does the same on a second evaluator, and the calculator's EXE shows what the evaluator
// computed, formatted as the answer formats say.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "CountingMessages.h"
#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "LineChecks.h"
#include "ScratchFolder.h"
#include "calculator/AnswerFormatter.h"
#include "calculator/Calculator.h"
#include "calculator/CalculatorMessages.h"
#include "calculator/EvaluatorStartup.h"
#include "shell/MemorySettingsStore.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

// Longer texts only repeat what shorter ones reach, at a higher price per run.
constexpr std::size_t kMaxText = 4096;

struct Modes {
    NumberBase base;
    bool degrees;
    AnswerFormat format;
    int decimals;
};

// High nibble: decimals 0-15. Low nibble: base, then angle mode, then answer format.
Modes DecodeModes(std::uint8_t selector) {
    constexpr NumberBase kBases[] = {NumberBase::Decimal, NumberBase::Hexadecimal,
                                     NumberBase::Binary};
    constexpr AnswerFormat kFormats[] = {AnswerFormat::Normal, AnswerFormat::Scientific,
                                         AnswerFormat::Engineering};
    const int low = selector & 0x0F;
    return {kBases[low % 3], (low / 3) % 2 == 0, kFormats[low / 6], selector >> 4};
}

struct Outcome {
    bool ok = false;
    double value = 0.0;
    std::string error;
};

Outcome EvaluateFresh(std::string_view text, const Modes& modes) {
    MemorySettingsStore store;  // every memory starts at 0
    ExpressionEvaluator evaluator;
    SetUpEvaluator(evaluator, store);
    evaluator.SetNumberBase(modes.base);
    evaluator.SetDegreeMode(modes.degrees);
    const bool syntaxFault = evaluator.CheckSyntax(text);
    Require(syntaxFault == !evaluator.ErrorText().empty(),
            "the syntax check fails exactly when it leaves an error text");
    const std::string syntaxError = evaluator.ErrorText();

    Outcome outcome;
    outcome.ok = evaluator.Evaluate(text, outcome.value, 0);
    outcome.error = evaluator.ErrorText();
    Require(outcome.ok == outcome.error.empty(),
            "an evaluation answers exactly when its error text is empty");
    Require(!syntaxFault || outcome.error == syntaxError,
            "an evaluation reports the fault the syntax check finds");
    return outcome;
}

bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckCalculatorShows(std::string_view text, const Modes& modes, const Outcome& direct) {
    static fuzz::ScratchFolder folder;
    MemorySettingsStore store;
    fuzz::CountingMessages messages;
    Calculator calculator(store, messages, folder.Emptied());
    calculator.SetNumberBase(modes.base);
    calculator.SetDegreeMode(modes.degrees);
    calculator.SetAnswerFormat(modes.format);
    calculator.SetMaxDecimals(modes.decimals);
    calculator.TypeText(text);
    Require(calculator.ExpressionText() == text, "typed text stands on the expression line");
    calculator.Execute(CalculatorCommand::Exe);

    const std::string& shown = calculator.ResultText();
    fuzz::RequireLineSound(calculator);
    // A '[' makes the text a formula, which asks for its variables instead of answering.
    if (text.find('[') != std::string_view::npos) {
        return;
    }
    if (!direct.ok) {
        Require(calculator.ResultIsError() && shown == direct.error,
                "EXE shows the evaluator's error text");
        return;
    }
    const auto answer =
        AnswerFormatter::Format(direct.value, modes.base, modes.format, modes.decimals);
    if (!answer) {
        Require(calculator.ResultIsError() && shown == calculator_text::kMaError,
                "an answer that cannot be shown is a maths error");
        return;
    }
    Require(!calculator.ResultIsError() &&
                shown == std::string(calculator_text::kAnswerPrefix) + *answer,
            "EXE shows the evaluator's answer in the chosen format");
    Require(calculator.LastAnswer() == *answer, "the last answer is the answer shown");
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::ExpressionVocabulary(), LLVMFuzzerMutate, 1);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxText + 1) {
        return -1;
    }
    const Modes modes = DecodeModes(data[0]);
    const std::string_view text = fuzz::AsText(data + 1, size - 1);

    const Outcome first = EvaluateFresh(text, modes);
    const Outcome second = EvaluateFresh(text, modes);
    Require(first.ok == second.ok && first.error == second.error &&
                (!first.ok || SameValue(first.value, second.value)),
            "a second evaluator gives the same result");
    if (!text.empty()) {
        CheckCalculatorShows(text, modes, first);
    }
    return 0;
}
