#include "CalculatorTestSupport.h"

namespace zyk::calculator_testing {
namespace {

class Keypad : public CalculatorTest {};

TEST_F(Keypad, KeysInsertTheirTokensInTheDecimalBase) {
    const KeyCase cases[] = {
        {"1 2 . 5", "12.5", ""},
        {"SHIFT", "", "Result"},  // no text changed: the start text stays
        {"( 1 + 2 ) * 3 / 4 - 5", "(1+2)*3/4-5", ""},
        {"and SHIFT and MOD SHIFT MOD", "&|%¤", ""},
        {"or xor =", "|¤=", ""},
        {"(-) 5", "−5", ""},
        {"Exp", "e", ""},
        {"A B C D E F", "ABCDEF", ""},
        {"X² SHIFT X²", "²{pi}", ""},
        {"X^Y X! Sqrt", "^!·sqrt", ""},
        {"log SHIFT log ln SHIFT ln", "·log·10^·ln·e^", ""},
        {"SHIFT Mx", "=", ""},
        {"SHIFT DEC SHIFT HEX SHIFT BIN", "·d·h·b", ""},
        {"SHIFT EXE", "", "Result"},  // no last answer yet: nothing to insert
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Keypad, TrigonometricKeysFollowShiftAndHyp) {
    const KeyCase cases[] = {
        {"sin", "·sin", ""},
        {"SHIFT sin", "·arcsin", ""},
        {"hyp sin", "·sinh", ""},
        {"hyp SHIFT sin", "·arcsinh", ""},
        {"SHIFT hyp cos", "·cosh", ""},  // hyp itself uses up SHIFT
        {"hyp SHIFT sin sin", "·arcsinh·sin", ""},
        {"hyp hyp cos", "·cos", ""},
        {"SHIFT SHIFT tan", "·tan", ""},
        {"hyp tan SHIFT tan", "·tanh·arctan", ""},
        {"hyp 2 cos", "2·cosh", ""},  // hyp waits for the next trigonometric key
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Keypad, OtherBasesRefuseDecimalOnlyKeysButCancelShift) {
    const KeyCase cases[] = {
        {"HEX sin cos tan", "", ""},
        {"HEX SHIFT sin A", "A", ""},
        {"HEX Exp X² X^Y X! Sqrt hyp Deg 1", "1", ""},
        {"HEX SHIFT X² 1", "1", ""},
        {"HEX log ln", "·log·ln", ""},
        {"HEX and SHIFT MOD (-) 7", "&¤−7", ""},
        {"HEX SHIFT HEX", "·h", ""},
        {"BIN Mx 1", "1", ""},
        {"BIN SHIFT Mx = 1", "1", ""},
        {"HEX const:c mem:1 var:x 2", "2", ""},
        {"HEX A B C D E F", "ABCDEF", ""},
        {"HEX SHIFT C", "", ""},  // the variable menus are for the decimal base only
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Keypad, ShiftEndsAfterEveryOtherKey) {
    Press("SHIFT");
    EXPECT_TRUE(Calc().IsShiftOn());
    Press("HEX");  // uses SHIFT: inserts the prefix, keeps the base
    EXPECT_FALSE(Calc().IsShiftOn());
    EXPECT_EQ(Calc().GetNumberBase(), NumberBase::Decimal);
    Press("SHIFT 1");  // ignores SHIFT, still ends it
    EXPECT_FALSE(Calc().IsShiftOn());
    Press("hyp SHIFT sin");
    EXPECT_FALSE(Calc().IsShiftOn());
    EXPECT_FALSE(Calc().IsHypOn());
}

struct LabelCase {
    const char* keys;
    const char* angle;
    const char* mode;
    const char* hyp;
};

TEST_F(Keypad, StatusLabelsShowAngleBaseShiftAndHyp) {
    const LabelCase cases[] = {
        {"", "Degree", "MODE", "hyp"},  // the window's first texts
        {"SHIFT", "Degree", "ds", "hyp"},      {"SHIFT SHIFT", "Degree", "d", "hyp"},
        {"HEX", "Degree", "h", "hyp"},         {"BIN SHIFT", "Degree", "bs", "hyp"},
        {"BIN SHIFT 1", "Degree", "b", "hyp"}, {"Deg", "[d]", "MODE", "hyp"},
        {"SHIFT Deg", "[r]", "d", "hyp"},      {"SHIFT Deg Deg", "[d]", "d", "hyp"},
        {"hyp", "Degree", "MODE", "hyp"},      {"hyp hyp", "Degree", "MODE", ""},
        {"hyp sin", "Degree", "MODE", ""},     {"HEX SHIFT Deg", "Degree", "h", "hyp"},
        {"HEX hyp hyp", "Degree", "h", "hyp"},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.keys);
        EXPECT_EQ(Calc().AngleLabel(), row.angle) << row.keys;
        EXPECT_EQ(Calc().ModeLabel(), row.mode) << row.keys;
        EXPECT_EQ(Calc().HypLabel(), row.hyp) << row.keys;
    }
}

TEST_F(Keypad, DegAndRadSetTheEvaluatorsAngleMode) {
    Press("SHIFT Deg");
    EXPECT_FALSE(Calc().DegreeMode());
    Press("Deg");
    EXPECT_TRUE(Calc().DegreeMode());
    Press("HEX SHIFT Deg");
    EXPECT_TRUE(Calc().DegreeMode());
}

TEST_F(Keypad, MemorySelectWaitsForADigit) {
    const KeyCase cases[] = {
        {"1 + Mx", "Select a number (0 - 9)", ""},
        {"1 + Mx 3", "1+¦M3¦", ""},
        {"Mx 5 Mx 6", "¦M5¦¦M6¦", ""},
        {"1 + < Mx 2", "1+¦M2¦", ""},  // appended at the end of the saved expression
        {"1 + Mx sin EXE SHIFT HEX ( 4", "1+¦M4¦", ""},
        {"1 + Mx AC", "1+", ""},
        {"1 + Mx Clear", "1+", ""},
        {"1 + Mx Esc", "1+", ""},
        {"1 + Mx SHIFT 7", "1+¦M7¦", ""},
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Keypad, KeysOtherThanDigitsAndClearDoNothingInMemorySelect) {
    Press("Mx HEX SHIFT Deg hyp");
    EXPECT_TRUE(Calc().IsMemorySelectOn());
    EXPECT_EQ(Calc().GetNumberBase(), NumberBase::Decimal);
    EXPECT_TRUE(Calc().DegreeMode());
    EXPECT_FALSE(Calc().IsShiftOn());
    EXPECT_FALSE(Calc().IsHypOn());
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Const), ViewEffect::None);
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Frm), ViewEffect::None);
    Calc().InsertNumberText("5");
    EXPECT_EQ(Expression(), "Select a number (0 - 9)");
    // Windows of the main menu still open.
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Help), ViewEffect::ShowHelp);
    Press("0");
    EXPECT_FALSE(Calc().IsMemorySelectOn());
    EXPECT_EQ(Expression(), "¦M0¦");
}

TEST_F(Keypad, StoresIntoMemoriesSurviveARestart) {
    Press("7 SHIFT Mx Mx 3 EXE");
    EXPECT_EQ(Result(), "= 7");
    EXPECT_EQ(m_store.ReadText("User Constants", "3", "none"), "7");
    Restart();
    Press("Mx 3 * 2 EXE");
    EXPECT_EQ(Result(), "= 14");
}

TEST_F(Keypad, NamedMenuItemsInsertConstantsMemoriesAndVariables) {
    const KeyCase cases[] = {
        {"const:c const:e_0", "{c}{e_0}", ""}, {"mem:0 mem:9", "¦M0¦¦M9¦", ""},
        {"var:x var:Q", "[x][Q]", ""},         {"SHIFT const:g", "{g}", ""},
        {"2 const:c EXE", "", "= 599584916"},  {"const:g EXE", "", "= 9.80665"},
    };
    EXPECT_KEY_CASES(cases);
    Press("SHIFT");
    Calc().ChooseVariable('1');
    Calc().ChooseMemory(10);
    EXPECT_FALSE(Calc().IsShiftOn());  // the menu cancelled SHIFT
    EXPECT_EQ(Expression(), "");       // and the bad items inserted nothing
}

struct EffectCase {
    const char* setup;
    CalculatorCommand command;
    ViewEffect effect;
};

TEST_F(Keypad, MenuButtonsAskTheViewToOpenMenus) {
    using C = CalculatorCommand;
    using E = ViewEffect;
    const EffectCase cases[] = {
        {"", C::Const, E::OpenConstantsMenu},
        {"SHIFT", C::Const, E::OpenMemoriesMenu},
        {"HEX", C::Const, E::None},
        {"HEX SHIFT", C::Const, E::None},
        {"SHIFT", C::HexC, E::OpenUpperVariablesMenu},
        {"SHIFT", C::HexD, E::OpenLowerVariablesMenu},
        {"BIN SHIFT", C::HexD, E::None},
        {"", C::Mode, E::OpenModeMenu},
        {"HEX", C::Mode, E::OpenModeMenu},
        {"", C::Display, E::OpenDisplayMenu},
        {"2 var:x EXE", C::Display, E::OpenFormulaMenu},
        {"", C::Frm, E::OpenFormulaLibrary},
        {"", C::GetFormula, E::OpenFormulaLibrary},
        {"", C::ModeFormula, E::OpenFormulaLibrary},
        {"2 var:x EXE", C::ModeFormula, E::None},
        {"", C::Exe, E::FocusExpressionLine},
        {"1", C::Exe, E::None},
        {"", C::Help, E::ShowHelp},
        {"", C::Converter, E::ToggleConverter},
        {"", C::Constants, E::ToggleConstants},
        {"", C::Statistics, E::ToggleStatistics},
        {"", C::GetProgram, E::GetProgram},
        {"", C::Programming, E::ToggleProgramming},
        {"", C::Options, E::OpenOptions},
        {"", C::About, E::ShowAbout},
        {"", C::Exit, E::Exit},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.setup);
        EXPECT_EQ(Calc().Execute(row.command), row.effect)
            << "after '" << row.setup << "' command " << static_cast<int>(row.command);
    }
}

TEST_F(Keypad, ModeMenuChecksTheCurrentFormatBaseAndFormula) {
    using C = CalculatorCommand;
    const auto checks = [this]() {
        std::string marks;
        for (const C item : {C::ModeNormal, C::ModeScientific, C::ModeEngineering, C::ModeDecimal,
                             C::ModeHexadecimal, C::ModeBinary, C::ModeFormula}) {
            marks += Calc().IsMenuItemChecked(item) ? '1' : '0';
        }
        return marks;
    };
    EXPECT_EQ(checks(), "1001000");
    Press("mode:Scientific mode:Hexadecimal");
    EXPECT_EQ(checks(), "0100100");
    Press("mode:Engineering mode:Binary");
    EXPECT_EQ(checks(), "0010010");
    Press("mode:Decimal 2 var:x EXE");
    EXPECT_EQ(checks(), "0011001");
    Press("mode:Formula mode:Normal");
    EXPECT_EQ(checks(), "1001000");
}

TEST_F(Keypad, BaseKeysClearTheDisplayAndTheRememberedTexts) {
    const KeyCase cases[] = {
        {"DEC", "", "Result"},  // already decimal: no effect
        {"HEX 1 HEX", "1", ""},
        {"1 + 2 EXE HEX", "", ""},
        {"1 + 2 EXE HEX <", "", ""},  // no previous expression to bring back
        {"1 + 2 EXE HEX SHIFT EXE", "", ""},
        {"1 + 2 EXE mode:Binary mode:Decimal <Del", "", ""},
        {"2 var:x EXE HEX", "", ""},
    };
    EXPECT_KEY_CASES(cases);
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);  // the formula went with its texts
}

}  // namespace
}  // namespace zyk::calculator_testing
