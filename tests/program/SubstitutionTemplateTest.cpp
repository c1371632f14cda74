// A filled template must be exactly what the general substitution makes of the same text, and
// where it cannot be sure it must step aside.
#include <random>

#include "RecordingConsole.h"
#include "program/SubstitutionTemplate.h"
#include "program/VariableSubstituter.h"

namespace zyk::test {
namespace {

TEST(SubstitutionTemplateTest, FillsInWhatTheGeneralSubstitutionMakes) {
    const std::vector<std::string> names = {"a", "b", "x", "ab", "a1", "f", "sin"};
    const std::string minusThree = std::string(1, kNegationSign) + "3";
    const std::vector<std::string> values = {"5", "12", "1e+020", minusThree, "(1)", "y"};
    const std::string alphabet = "abfxsin12+([) ";
    std::mt19937 random(11);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int filled = 0;
    int tooLong = 0;
    int declined = 0;
    for (int round = 0; round < 30000; ++round) {
        ProgramData data;
        RecordingConsole console;
        ProgramError error;
        ProgramEvaluator evaluator(data, console, error);
        for (std::size_t i = below(5); i > 0; --i) {
            const std::string& name = names[below(names.size())];
            if (data.FindVariable(name) != nullptr || data.FindFunction(name) != nullptr) {
                continue;
            }
            if (name == "f" && data.FindVariable("x") != nullptr) {
                data.AddFunction(name, "x");
            } else {
                data.AddVariable(name);
                data.SetValue(data.VariableIndex(name), values[below(values.size())]);
            }
        }
        std::string text;
        for (std::size_t i = 1 + below(10); i > 0; --i) {
            text += alphabet[below(alphabet.size())];
        }
        const bool allStages = below(4) != 0;
        const unsigned stages =
            allStages ? ProgramEvaluator::kEverything : ProgramEvaluator::kVariables;
        const std::size_t limit = 1 + below(20);  // small, so that some texts pass it

        SubstitutionTemplate plan(text, allStages);
        std::string general = text;
        const bool substituted = evaluator.Substitute(general, stages);
        // Where the template applies, only variables change: with the template's small limit
        // the variable stage alone must fail exactly where the template does.
        std::string limited = text;
        const bool withinLimit = VariableSubstituter::Substitute(limited, data, limit);
        std::string out;
        switch (plan.FillIn(data, limit, out)) {
            case SubstitutionTemplate::Fill::Done:
                ASSERT_TRUE(substituted) << text << ": " << error.message;
                ASSERT_EQ(out, general) << text;
                ASSERT_TRUE(withinLimit) << text;
                ++filled;
                break;
            case SubstitutionTemplate::Fill::TooLong:
                ASSERT_TRUE(substituted) << text;
                ASSERT_FALSE(withinLimit) << text;
                ++tooLong;
                break;
            case SubstitutionTemplate::Fill::NotApplicable:
                ++declined;
                break;
        }
        // A second fill with the same declarations gives the same (the pieces are kept).
        std::string again;
        if (plan.FillIn(data, limit, again) == SubstitutionTemplate::Fill::Done) {
            ASSERT_EQ(again, out) << text;
        }
    }
    EXPECT_GT(filled, 10000);
    EXPECT_GT(tooLong, 150);
    EXPECT_GT(declined, 3000);
}

TEST(SubstitutionTemplateTest, FollowsTheDeclarations) {
    ProgramData data;
    SubstitutionTemplate plan("i+j", true);
    std::string out;
    ASSERT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::Done);
    EXPECT_EQ(out, "i+j");
    data.AddVariable("j");
    data.SetValue(0, "4");
    ASSERT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::Done);
    EXPECT_EQ(out, "i+4");
    data.AddVariable("i");
    data.SetValue(1, "7");
    ASSERT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::Done);
    EXPECT_EQ(out, "7+4");
    data.SetValue(1, "j");  // a value with a letter is searched by later variables
    EXPECT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::NotApplicable);
    data.SetValue(1, std::string(200, '1'));
    EXPECT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::TooLong);
    data.Clear();
    data.AddVariable("i");
    data.AddFunction("j", "i");  // now a call: the general substitution refuses it
    EXPECT_EQ(plan.FillIn(data, 100, out), SubstitutionTemplate::Fill::NotApplicable);
}

}  // namespace
}  // namespace zyk::test
