#include "CalculatorTestSupport.h"
#include "formulas/CUserFormulaFile.h"

namespace zyk::test {
namespace {

using C = CalculatorCommand;

constexpr const char* kFormulaError =
    "Could not run this equation!  Are you sure you've     \nentered it correctly?   ";
constexpr const char* kCouldNotSave =
    "Sorry! But I could not save the formula!\n\nDid you enter a name for the equation? ";

class FormulaModeTest : public CalculatorTest {
protected:
    // The user formula file's records as "name|display form|calculator form" in UTF-8.
    std::vector<std::string> UserRecords() {
        std::vector<FormulaRecord> formulas;
        CUserFormulaFile(m_folder, m_messages).ReadInto(formulas);
        std::vector<std::string> records;
        for (const FormulaRecord& f : formulas) {
            records.push_back(Utf8(f.name + "|" + f.displayForm + "|" + f.calculatorForm));
        }
        return records;
    }

    void AddUserFormula(std::string_view name, std::string_view display, std::string_view form) {
        CUserFormulaFile(m_folder, m_messages)
            .AppendRecord({Bytes(name), Bytes(display), Bytes(form)});
    }
};

TEST_F(FormulaModeTest, TypedFormulasAskTheirVariablesAndRun) {
    ExpectKeyCases({
        {"2 var:x + 1 EXE 3 EXE", "ƒ=2x+1", "ƒ=7"},  // x is the last variable: runs at once
        {"2 var:x + 1 EXE 3 EXE EXE", "ƒ=2x+1", "x?"},
        {"2 var:x + 1 EXE EXE", "ƒ=2x+1", "ƒ=1"},  // nothing typed is 0
        {"var:y SHIFT Mx 2 var:x EXE 4 EXE", "y=2x", "y=8"},
        {"2 var:a + var:b EXE 3 EXE", "ƒ=2a+b", "b?"},
        {"2 var:a + var:b EXE 3 EXE 4 EXE", "ƒ=2a+b", "ƒ=10"},
        {"2 var:x * var:x EXE 3 EXE", "ƒ=2x*x", "ƒ=18"},           // used twice, asked once
        {"2 var:x EXE 2 SHIFT X² EXE", "ƒ=2x", "ƒ=12.566370614"},  // a value may be an expression
        {"2 var:x EXE - 3 EXE", "ƒ=2x", "ƒ=-6"},                   // a leading '-' is the sign
        {"mode:Scientific 1 0 0 0 var:x EXE 2 EXE", "ƒ=1000x", "ƒ=2.e+003"},
        {"var:y SHIFT Mx var:x / 0 EXE 1 EXE", "y=x/0", "[ / ]   Can't divide with zero"},
        {"HEX frm:15 A EXE 2 EXE", "S=ab", "S=14"},
        // Values and answers that are not numbers are maths errors.
        {"2 var:x EXE ( (-) 8 ) X^Y ( 1 / 3 ) EXE", "(−8)^(1/3)", "Ma  ERROR"},
        {"( (-) 8 ) X^Y var:x EXE . 5 EXE", "ƒ=(−8)^x", "Ma  ERROR"},
    });
    EXPECT_FALSE(Calc().IsEditing());  // a run shown: other windows may not insert
}

TEST_F(FormulaModeTest, PreparationFaultsStayInCalculatingMode) {
    const std::pair<const char*, const char*> cases[] = {
        {"[y]=[x]=2", "[ = ]  Formel Error!"},
        {"2=[x]", "Formel Error!"},
        {"[1]+2", "Not a valid varible"},
        {"2+[", "Not a valid varible"},
        {"[x]+", "[ +  No digit ]   Syn ERROR"},
        {"[x]+1", "Varible has no value?"},  // only the left side: calculated at once
    };
    for (const auto& [text, message] : cases) {
        Restart();
        Calc().TypeText(Bytes(text));
        Press("EXE");
        EXPECT_EQ(Result(), message) << text;
        EXPECT_EQ(Expression(), text);
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating) << text;
        EXPECT_EQ(Calc().Evaluator().VariableCount(), 0) << text;
    }
    Restart();
    Calc().TypeText(Bytes("[y]=[x]=2[x]"));
    Press("EXE EXE");  // the error still stands when x is met twice
    EXPECT_EQ(Result(), "Could not get the varibles!");
}

TEST_F(FormulaModeTest, AcAsksAgainAndClrLeaves) {
    ExpectKeyCases({
        {"2 var:a + var:b EXE 3 EXE 9 AC", "ƒ=2a+b", "b?"},
        {"2 var:a + var:b EXE 3 EXE 4 EXE AC", "ƒ=2a+b", "a?"},
        {"2 var:x EXE Esc 5 EXE", "", "= 5"},
        {"2 var:x EXE SHIFT AC", "", ""},
        {"2 var:x EXE SHIFT Esc", "", ""},  // Esc is CLR even with SHIFT already on
        {"2 var:x EXE Clear", "", ""},
        {"2 var:x EXE mode:Formula", "", ""},
        {"2 var:x EXE <Del < >", "ƒ=2x", "x?"},  // nothing typed over the formula yet
        {"2 var:x EXE 1 2 <Del", "1", "x?"},
        {"2 var:x EXE Mx 3", "¦M3¦", "x?"},
        {"2 var:x EXE 1 / 0 EXE", "1/0", "[ / ]   Can't divide with zero"},
        {"2 var:x EXE 1 / 0 EXE <Del 2 EXE", "ƒ=2x", "ƒ=1"},
        {"4 EXE 2 var:x EXE SHIFT EXE EXE", "ƒ=2x", "ƒ=8"},
    });
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Formula);
    Press("Esc");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
    EXPECT_EQ(Calc().Evaluator().VariableCount(), 0);
}

TEST_F(FormulaModeTest, LibraryFormulasPlainAndSpecial) {
    ExpectKeyCases({
        {"frm:23 2 EXE", "V=4{pi}r^3/3", "V=33.510321638"},
        {"1 EXE frm:31 5 EXE 2 EXE", "C=n!/(r!(n-r)!)", "C=10"},  // an answer shown is no obstacle
        {"frm:23 2 EXE frm:15", "S=ab", "a?"},          // a second Frm replaces the formula
        {"frm:10 1 EXE frm:23", "V=4{pi}r^3/3", "r?"},  // even halfway: asked from the start
        {"2 var:x EXE frm:0", "", ""},
        {"frm:1 1 EXE - 3 EXE 2 EXE", "ax²+bx+c=0", "x1= 2 , x2= 1"},
        {"frm:5 1 0 0 EXE", "f=f0 (v-u)/(v-v0)", "v?"},
        {"frm:9 1 0 EXE", "a=(v2-v1)/(t2-t1)", "v1?"},
        {"frm:9 1 0 EXE 0 EXE 5 EXE 0 EXE EXE", "a=(v2-v1)/(t2-t1)", "v2?"},
        {"frm:4 3 EXE 4 EXE 5 EXE AC", "S=·sqrt(s(s-a)(s-b)(s-c))", "a?"},
        {"frm:4 Esc", "", ""},
    });
    // A refused quadratic (no real roots) and an infinite Doppler answer (v = v0) alike show the
    // solver's text, an error text, and keep the formula loaded.
    for (const char* keys :
         {"frm:1 1 EXE 2 EXE 5 EXE", "frm:5 1 0 0 EXE 3 4 0 EXE 0 EXE 3 4 0 EXE"}) {
        Restart();
        Press(keys);
        EXPECT_EQ(Result(), "Ma Error") << keys;
        EXPECT_TRUE(Calc().ResultIsError()) << keys;
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::SpecialFormula) << keys;
    }
}

TEST_F(FormulaModeTest, TheLibraryIsPresetWithTheLoadedFormula) {
    EXPECT_EQ(Calc().FormulaForLibrary().index, 0);
    Press("frm:23");
    const auto plain = Calc().FormulaForLibrary();
    EXPECT_EQ(plain.index, 23);
    EXPECT_EQ(Utf8(plain.displayForm + "|" + plain.calculatorForm),
              "V=4{pi}r^3/3|[V]=4{pi}[r]^3/3");
    Press("frm:5");
    const auto special = Calc().FormulaForLibrary();
    EXPECT_EQ(special.index, 5);
    EXPECT_EQ(special.displayForm + "|" + special.calculatorForm, "f=f0 (v-u)/(v-v0)|");
    EXPECT_EQ(special.variableCount, 4);
    EXPECT_EQ(special.variableNames, (std::vector<std::string>{"f0", "v", "u", "v0"}));
    // Cancelling the library keeps the formula.
    EXPECT_EQ(Calc().Execute(C::Frm), ViewEffect::OpenFormulaLibrary);
    Press("1 EXE");
    EXPECT_EQ(Result(), "v?");
}

TEST_F(FormulaModeTest, TheFormulaMenuEnablesItsItemsByTheLoadedFormula) {
    AddUserFormula("Line", "y=2x+1", "[y]=2[x]+1");
    const std::pair<const char*, const char*> cases[] = {
        // Formula menu current, Edit Formula, Save, Save As
        {"", "0000"},      {"2 var:x EXE", "1101"}, {"frm:23", "1000"},
        {"frm:1", "1000"}, {"frm:51", "1111"},      {"frm:51 Esc", "0000"},
    };
    for (const auto& [keys, expected] : cases) {
        Restart();
        Press(keys);
        std::string flags(1, Calc().IsFormulaMenuCurrent() ? '1' : '0');
        for (const C item : {C::EditFormula, C::SaveFormula, C::SaveFormulaAs}) {
            flags += Calc().IsMenuItemEnabled(item) ? '1' : '0';
        }
        EXPECT_EQ(flags, expected) << keys;
        EXPECT_TRUE(Calc().IsMenuItemEnabled(C::Clear));
    }
}

TEST_F(FormulaModeTest, EditFormulaPutsTheFormulaBackForEditing) {
    ExpectKeyCases({
        {"2 var:x + 1 EXE 3 EXE EditFormula", "[ƒ]=2[x]+1", ""},
        {"2 var:x + 1 EXE EditFormula <Del 5 EXE 3 EXE", "ƒ=2x+5", "ƒ=11"},
        {"frm:23 EditFormula", "V=4{pi}r^3/3", "r?"},  // built-in: refused
        {"1 + 2 EditFormula", "1+2", ""},
    });
}

TEST_F(FormulaModeTest, SaveAsAppendsAndSaveReplacesUserFormulas) {
    Press("2 var:x + 1 EXE SaveAs:Line");
    Restart();
    Press("var:y SHIFT Mx 3 var:t SaveAs:Triple");  // SHIFT + Frm prepares the expression
    EXPECT_EQ(Expression() + " " + Result(), "y=3t t?");
    EXPECT_EQ(UserRecords(),
              (std::vector<std::string>{"Line|ƒ=2x+1|[ƒ]=2[x]+1", "Triple|y=3t|[y]=3[t]"}));
    Restart();
    Press("frm:51 EditFormula <Del 5 EXE 4 EXE Save");
    EXPECT_EQ(Result(), "ƒ=13");
    Press("Esc 2 var:z EXE Save");  // refused: not a user formula
    Press("frm:23 SaveAs:Copy");    // refused: Save As is disabled for a built-in formula
    EXPECT_EQ(UserRecords(),
              (std::vector<std::string>{"Line|ƒ=2x+5|[ƒ]=2[x]+5", "Triple|y=3t|[y]=3[t]"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(FormulaModeTest, SaveAsRefusesWhatItCannotSave) {
    for (const char* keys : {"2 var:x EXE SaveAs:", "SaveAs:Empty", "1 + 2 SaveAs:Sum"}) {
        Restart();
        m_messages.shown.clear();
        Press(keys);
        ASSERT_EQ(m_messages.shown.size(), 1u) << keys;
        EXPECT_EQ(m_messages.shown[0].text, kCouldNotSave);
        EXPECT_EQ(m_messages.shown[0].caption, "");
    }
    EXPECT_EQ(Expression() + "|" + Result(), "1+2|");  // not calculated either
    EXPECT_TRUE(UserRecords().empty());
    RecordingMessages asked;
    Calculator calculator(m_store, asked, m_folder);
    calculator.TypeText(Bytes("2[x]"));
    calculator.Execute(C::Exe);
    calculator.Execute(C::SaveFormulaAs);  // cancelled: nothing more happens
    EXPECT_EQ(asked.questions,
              (std::vector<std::string>{"Formula name ?|Enter a name for the formula:"}));
    EXPECT_TRUE(asked.shown.empty());
}

TEST_F(FormulaModeTest, LibraryFormulasThatCannotBePreparedShowFormulaError) {
    AddUserFormula("Broken", "y=2*", "[y]=2*");
    AddUserFormula("Two", "y=x=1", "[y]=[x]=1");
    AddUserFormula("Empty", "y=", "");
    AddUserFormula("Sum", "1+2", "1+2");
    const std::pair<const char*, const char*> cases[] = {
        {"frm:51", "[ *  No digit ]   Syn ERROR"},
        {"frm:52", "[ = ]  Formel Error!"},
        {"frm:53", ""},
    };
    for (const auto& [keys, result] : cases) {
        Restart();
        m_messages.shown.clear();
        Press(keys);
        ASSERT_EQ(m_messages.shown.size(), 1u) << keys;
        EXPECT_EQ(m_messages.shown[0].caption, "Formula Error!");
        EXPECT_EQ(m_messages.shown[0].text, kFormulaError);
        EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(Result(), result) << keys;
        EXPECT_EQ(Calc().FormulaForLibrary().index, 0) << keys;
    }
    Press("frm:54");  // no variable: calculated at once
    EXPECT_EQ(Result(), "= 3");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
}

}  // namespace
}  // namespace zyk::test
