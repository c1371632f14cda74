#include <random>

#include "CalculatorTestSupport.h"

namespace zyk::test {
namespace {

class RandomKeys : public CalculatorTest {
protected:
    void TearDown() override { Calc().SetProgramHost(nullptr); }
    FakeHost m_host;
};

// Any order of commands, menu items, view notifications and inserts keeps the calculator in a
// consistent state: caret and selection inside the text, a known EXE mode, no crash.
TEST_F(RandomKeys, EverySequenceKeepsTheStateConsistent) {
    Calc().SetProgramHost(&m_host);
    std::mt19937 random(20240611);
    const int lastCommand = static_cast<int>(CalculatorCommand::Exit);
    for (int step = 0; step < 20000; ++step) {
        const int pick = static_cast<int>(random() % (lastCommand + 12));
        const std::size_t length = Calc().ExpressionText().size();
        if (pick <= lastCommand) {
            const auto command = static_cast<CalculatorCommand>(pick);
            if (command != CalculatorCommand::Exit) {
                Calc().Execute(command);
            }
        } else if (pick == lastCommand + 1) {
            Calc().SetSelection(random() % 45, random() % 40);
        } else if (pick == lastCommand + 2) {
            Calc().InsertNumberText("-1.5E-3.");
        } else if (pick == lastCommand + 3) {
            Calc().ChooseVariable("xyA#"[random() % 4]);
        } else if (pick == lastCommand + 4) {
            // The library's answer, even an inconsistent one (more names counted than given).
            CurrentFormula chosen;
            chosen.index = static_cast<int>(random() % 60) - 2;
            chosen.displayForm = "d=x";
            chosen.calculatorForm = random() % 2 ? "[d]=2[x]" : "[d]=[";
            chosen.variableCount = static_cast<int>(random() % 6) - 1;
            chosen.variableNames = {"x", "v0"};
            Calc().LoadFormula(chosen);
        } else if (pick == lastCommand + 5) {
            random() % 2 ? Calc().EnterProgramMode() : Calc().LeaveProgramMode();
        } else if (pick == lastCommand + 6) {
            Calc().EvaluateText(Calc().ExpressionText());
        } else if (pick == lastCommand + 7) {
            Calc().ChooseMemory(static_cast<int>(random() % 12) - 1);
        } else if (pick == lastCommand + 8) {
            Calc().SetCaret(length / 2);
        } else {
            Calc().TypeText(std::string(1, "0123456789.+-*/()[]{}=e\xB7\xAD\xA6"[random() % 25]));
        }
        ASSERT_LE(Calc().SelectionEnd(), Calc().ExpressionText().size());
        ASSERT_LE(Calc().SelectionStart(), Calc().SelectionEnd());
        ASSERT_TRUE(Calc().Caret() == Calc().SelectionStart() ||
                    Calc().Caret() == Calc().SelectionEnd());
        const int mode = static_cast<int>(Calc().GetExeMode());
        ASSERT_TRUE(mode >= 421 && mode <= 424) << mode;
        if (Calc().ExpressionText().size() > 2000) {
            Press("Esc");
        }
    }
}

}  // namespace
}  // namespace zyk::test
