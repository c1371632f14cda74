#include "CalculatorTestSupport.h"

namespace zyk::test {
namespace {

using C = CalculatorCommand;
using E = ViewEffect;

class Keypad : public CalculatorTest {};

TEST_F(Keypad, KeysInsertTheirTokens) {
    ExpectKeyCases({
        {"SHIFT", "", "Result"},  // no text changed: the window's first text stays
        {"( 1 + 2 ) * 3 / 4 - 5 . 5", "(1+2)*3/4-5.5", ""},
        {"and SHIFT and MOD SHIFT MOD or xor =", "&|%¤|¤=", ""},
        {"(-) 5 Exp A B C D E F", "−5eABCDEF", ""},
        {"X² SHIFT X2 X^Y X! Sqrt", "²{pi}^!·sqrt", ""},  // X2 names X² too
        {"log SHIFT log ln SHIFT ln", "·log·10^·ln·e^", ""},
        {"SHIFT Mx SHIFT DEC SHIFT HEX SHIFT BIN", "=·d·h·b", ""},
        {"SHIFT EXE", "", "Result"},  // no last answer yet
        {"const:c const:e_0 mem:0 mem:9 var:x var:Q", "{c}{e_0}¦M0¦¦M9¦[x][Q]", ""},
        {"SHIFT const:g", "{g}", ""},
    });
}

TEST_F(Keypad, TrigonometricKeysFollowShiftAndHyp) {
    ExpectKeyCases({
        {"sin SHIFT sin hyp sin hyp SHIFT sin", "·sin·arcsin·sinh·arcsinh", ""},
        {"SHIFT hyp cos", "·cosh", ""},             // hyp itself used up SHIFT
        {"hyp SHIFT sin sin", "·arcsinh·sin", ""},  // both end after the key
        {"hyp hyp cos SHIFT SHIFT tan", "·cos·tan", ""},
        {"hyp 2 tan", "2·tanh", ""},  // hyp waits for the next trigonometric key
    });
}

TEST_F(Keypad, OtherBasesRefuseDecimalOnlyKeysButEndShift) {
    ExpectKeyCases({
        {"HEX sin SHIFT cos tan Exp X² X^Y X! Sqrt hyp Deg 1", "1", ""},
        {"HEX SHIFT sin A", "A", ""},
        {"HEX SHIFT X² log ln", "·log·ln", ""},
        {"HEX and SHIFT MOD (-) 7 SHIFT HEX", "&¤−7·h", ""},
        {"BIN Mx SHIFT Mx = const:c mem:1 var:x SHIFT C 1", "1", ""},
        {"HEX A B C D E F", "ABCDEF", ""},
    });
    EXPECT_FALSE(Calc().IsShiftOn());
}

TEST_F(Keypad, StatusLabelsShowAngleBaseShiftAndHyp) {
    struct LabelCase {
        const char* keys;
        const char* angle;
        const char* mode;
        const char* hyp;
    };
    const LabelCase cases[] = {
        {"", "Degree", "MODE", "hyp"},  // the window's first texts
        {"SHIFT", "Degree", "ds", "hyp"},
        {"SHIFT SHIFT", "Degree", "d", "hyp"},
        {"BIN SHIFT", "Degree", "bs", "hyp"},
        {"HEX SHIFT 1", "Degree", "h", "hyp"},
        {"SHIFT Deg", "[r]", "d", "hyp"},
        {"SHIFT Deg Deg", "[d]", "d", "hyp"},
        {"hyp hyp", "Degree", "MODE", ""},
        {"hyp sin", "Degree", "MODE", ""},
        {"HEX SHIFT Deg hyp", "Degree", "h", "hyp"},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.keys);
        EXPECT_EQ(Calc().AngleLabel(), row.angle) << row.keys;
        EXPECT_EQ(Calc().ModeLabel(), row.mode) << row.keys;
        EXPECT_EQ(Calc().HypLabel(), row.hyp) << row.keys;
    }
}

TEST_F(Keypad, MemorySelectWaitsForADigit) {
    ExpectKeyCases({
        {"1 + Mx", "Select a number (0 - 9)", ""},
        {"1 + Mx 3", "1+¦M3¦", ""},
        {"1 + < Mx 2", "1+¦M2¦", ""},  // at the end of the saved expression
        {"1 + Mx sin EXE SHIFT HEX ( Deg 4", "1+¦M4¦", ""},
        {"1 + Mx AC", "1+", ""},
        {"1 + Mx Clear", "1+", ""},
        {"1 + Mx Esc", "1+", ""},
        {"7 SHIFT Mx Mx 3 EXE Mx 3 * 2 EXE", "", "= 14"},
    });
    EXPECT_EQ(m_store.ReadText("User Constants", "3", ""), "7");
    Press("Mx");
    EXPECT_EQ(Calc().Execute(C::Help), E::ShowHelp);  // the main menu's windows still open
    EXPECT_EQ(Calc().Execute(C::Frm), E::None);
    EXPECT_TRUE(Calc().IsMemorySelectOn());
}

TEST_F(Keypad, MenuButtonsAskTheViewToOpenMenus) {
    struct EffectCase {
        const char* setup;
        C command;
        E effect;
    };
    const EffectCase cases[] = {
        {"", C::Const, E::OpenConstantsMenu},
        {"SHIFT", C::Const, E::OpenMemoriesMenu},
        {"HEX", C::Const, E::None},
        {"SHIFT", C::HexC, E::OpenUpperVariablesMenu},
        {"SHIFT", C::HexD, E::OpenLowerVariablesMenu},
        {"BIN SHIFT", C::HexD, E::None},
        {"HEX", C::Mode, E::OpenModeMenu},
        {"", C::Display, E::OpenDisplayMenu},
        {"2 var:x EXE", C::Display, E::OpenFormulaMenu},
        {"", C::Frm, E::OpenFormulaLibrary},
        {"", C::ModeFormula, E::OpenFormulaLibrary},
        {"2 var:x EXE", C::ModeFormula, E::None},
        {"", C::Exe, E::FocusExpressionLine},
        {"1", C::Exe, E::None},
        {"", C::Converter, E::ToggleConverter},
        {"", C::GetProgram, E::GetProgram},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.setup);
        EXPECT_EQ(Calc().Execute(row.command), row.effect)
            << row.setup << " / " << static_cast<int>(row.command);
    }
}

TEST_F(Keypad, ModeMenuChecksTheCurrentFormatBaseAndFormula) {
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
    Press("mode:Engineering mode:Decimal 2 var:x EXE");
    EXPECT_EQ(checks(), "0011001");
    Press("mode:Formula mode:Normal mode:Binary");
    EXPECT_EQ(checks(), "1000010");
}

TEST_F(Keypad, BaseKeysClearTheDisplayAndTheRememberedTexts) {
    ExpectKeyCases({
        {"DEC", "", "Result"},  // already decimal: no effect
        {"HEX 1 HEX", "1", ""},
        {"1 + 2 EXE HEX", "", ""},
        {"1 + 2 EXE HEX < SHIFT EXE", "", ""},  // no previous expression, no last answer
        {"2 var:x EXE mode:Binary", "", ""},
    });
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);  // the formula went with its texts
}

TEST(KeyScript, UnknownNamesAreRefused) {
    for (const char* script :
         {"Frm", "Const", "Mode", "?", "sine", "x²", "exe", "const:pi", "const:", "mem:10", "mem:a",
          "var:1", "var:xy", "mode:Formulas", "frm:-1", "frm:1.5", "frm:", "1+2"}) {
        const ParsedKeyScript parsed = ParseKeyScript(Bytes(script));
        EXPECT_EQ(parsed.error, "unknown key '" + Bytes(script) + "'") << script;
        EXPECT_TRUE(parsed.keys.empty()) << script;
    }
    EXPECT_EQ(ParseKeyScript(" 1\t\t+  2 \n").keys.size(), 3u);
    EXPECT_EQ(ParseKeyScript("1 + sine").error, "unknown key 'sine'");
}

class KeyScriptRun : public CalculatorTest {};

TEST_F(KeyScriptRun, AFormulaIndexOutsideTheLibraryStopsTheScript) {
    const ParsedKeyScript parsed = ParseKeyScript("1 frm:51 2");
    EXPECT_EQ(RunKeyScript(Calc(), parsed.keys, m_script),
              "the formula library has no entry 51 (it holds 0-50)");
    EXPECT_EQ(Expression(), "1");
    Press("SHIFT frm:15");  // the menu's Get Formula: SHIFT does not make it Save As
    EXPECT_EQ(Expression(), "S=ab");
}

}  // namespace
}  // namespace zyk::test
