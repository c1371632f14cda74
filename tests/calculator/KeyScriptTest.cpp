#include "CalculatorTestSupport.h"

namespace zyk::test {
namespace {

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
