#include "CalculatorTestSupport.h"

namespace zyk::calculator_testing {
namespace {

using C = CalculatorCommand;
using Kind = ScriptKey::Kind;

TEST(KeyScript, KeypadLabelsNameTheirCommands) {
    const ParsedKeyScript parsed = ParseKeyScript(
        Bytes("SHIFT 0 9 . Exp A F + - * / ( ) and MOD (-) X² X2 X^Y X! Sqrt sin cos tan log ln "
              "hyp Deg DEC HEX BIN Mx < > <Del Del> AC EXE Esc"));
    ASSERT_EQ(parsed.error, "");
    const std::vector<C> expected = {
        C::Shift,
        C::Digit0,
        C::Digit9,
        C::Point,
        C::Exp,
        C::HexA,
        C::HexF,
        C::Add,
        C::Subtract,
        C::Multiply,
        C::Divide,
        C::OpenParenthesis,
        C::CloseParenthesis,
        C::And,
        C::Mod,
        C::Negate,
        C::Square,
        C::Square,
        C::Power,
        C::Factorial,
        C::Sqrt,
        C::Sin,
        C::Cos,
        C::Tan,
        C::Log,
        C::Ln,
        C::Hyp,
        C::Deg,
        C::Dec,
        C::Hex,
        C::Bin,
        C::Mx,
        C::CaretLeft,
        C::CaretRight,
        C::DeleteBefore,
        C::DeleteAfter,
        C::AllClear,
        C::Exe,
        C::Escape,
    };
    ASSERT_EQ(parsed.keys.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(parsed.keys[i].kind, Kind::Command) << i;
        EXPECT_EQ(parsed.keys[i].command, expected[i]) << i;
    }
}

struct ItemCase {
    const char* name;
    Kind kind;
    C command;
    const char* text;
    int number;
};

TEST(KeyScript, MenuItemsCarryTheirValues) {
    const ItemCase cases[] = {
        {"const:e_0", Kind::Constant, C::Exe, "e_0", 0},
        {"const:c", Kind::Constant, C::Exe, "c", 0},
        {"mem:3", Kind::Memory, C::Exe, "", 3},
        {"var:x", Kind::Variable, C::Exe, "", 'x'},
        {"var:Q", Kind::Variable, C::Exe, "", 'Q'},
        {"mode:Scientific", Kind::Command, C::ModeScientific, "", 0},
        {"mode:Formula", Kind::Command, C::ModeFormula, "", 0},
        {"CopyResult", Kind::Command, C::CopyResult, "", 0},
        {"CopyExpression", Kind::Command, C::CopyExpression, "", 0},
        {"Paste", Kind::Command, C::Paste, "", 0},
        {"Clear", Kind::Command, C::Clear, "", 0},
        {"EditFormula", Kind::Command, C::EditFormula, "", 0},
        {"Save", Kind::Command, C::SaveFormula, "", 0},
        {"SaveAs:Ball", Kind::SaveAs, C::Exe, "Ball", 0},
        {"SaveAs:", Kind::SaveAs, C::Exe, "", 0},
        {"SaveAs:a:b", Kind::SaveAs, C::Exe, "a:b", 0},
        {"frm:12", Kind::Formula, C::Exe, "", 12},
        {"frm:0", Kind::Formula, C::Exe, "", 0},
    };
    for (const auto& row : cases) {
        const ParsedKeyScript parsed = ParseKeyScript(row.name);
        ASSERT_EQ(parsed.error, "") << row.name;
        ASSERT_EQ(parsed.keys.size(), 1u) << row.name;
        const ScriptKey& key = parsed.keys[0];
        EXPECT_EQ(key.kind, row.kind) << row.name;
        if (row.kind == Kind::Command) {
            EXPECT_EQ(key.command, row.command) << row.name;
        }
        EXPECT_EQ(key.text, row.text) << row.name;
        EXPECT_EQ(key.number, row.number) << row.name;
    }
}

TEST(KeyScript, UnknownNamesAreRefusedWithTheName) {
    const char* unknown[] = {
        "Frm",    "Const",  "Mode",  "?",    "sine",    "x²",     "SIN",   "const:pi",
        "const:", "mem:10", "mem:a", "mem:", "var:1",   "var:xy", "var:",  "mode:Formulas",
        "mode:",  "frm:-1", "frm:x", "frm:", "frm:1.5", "exe",    "Shift", "1 2 bogus",
    };
    for (const char* script : unknown) {
        const ParsedKeyScript parsed = ParseKeyScript(Bytes(script));
        EXPECT_NE(parsed.error, "") << script;
        EXPECT_TRUE(parsed.keys.empty()) << script;
    }
    EXPECT_EQ(ParseKeyScript("1 + sine").error, "unknown key 'sine'");
}

TEST(KeyScript, BlanksSeparateKeys) {
    EXPECT_EQ(ParseKeyScript("").keys.size(), 0u);
    EXPECT_EQ(ParseKeyScript("   ").keys.size(), 0u);
    EXPECT_EQ(ParseKeyScript(" 1\t\t+  2 \n").keys.size(), 3u);
    EXPECT_EQ(ParseKeyScript("1+2").error, "unknown key '1+2'");
}

class KeyScriptRun : public CalculatorTest {};

TEST_F(KeyScriptRun, AFormulaIndexOutsideTheLibraryStopsTheScript) {
    const ParsedKeyScript parsed = ParseKeyScript("1 frm:51 2");
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(RunKeyScript(Calc(), parsed.keys, m_script),
              "the formula library has no entry 51 (it holds 0-50)");
    EXPECT_EQ(Expression(), "1");
}

TEST_F(KeyScriptRun, FrmChoosesWhateverShiftSays) {
    Press("SHIFT frm:15");  // the menu's Get Formula: SHIFT does not make it Save As
    EXPECT_EQ(Expression(), "S=ab");
}

}  // namespace
}  // namespace zyk::calculator_testing
