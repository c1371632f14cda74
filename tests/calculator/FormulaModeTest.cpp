#include "CalculatorTestSupport.h"
#include "formulas/CUserFormulaFile.h"

namespace zyk::calculator_testing {
namespace {

class FormulaModeTest : public CalculatorTest {
protected:
    struct Record {
        std::string name;
        std::string displayForm;
        std::string calculatorForm;
    };

    // The user formula file's records, in UTF-8.
    std::vector<Record> UserRecords() {
        std::vector<std::string> names;
        std::vector<std::string> displays;
        std::vector<std::string> forms;
        CUserFormulaFile(m_folder, m_messages).ReadInto(names, displays, forms);
        std::vector<Record> records;
        for (std::size_t i = 0; i < names.size(); ++i) {
            records.push_back({Utf8(names[i]), Utf8(displays[i]), Utf8(forms[i])});
        }
        return records;
    }

    void AddUserFormula(std::string_view name, std::string_view display, std::string_view form) {
        CUserFormulaFile(m_folder, m_messages)
            .AppendRecord(Bytes(name), Bytes(display), Bytes(form));
    }
};

TEST_F(FormulaModeTest, TypedFormulasAskTheirVariablesAndRun) {
    const KeyCase cases[] = {
        {"2 var:x + 1 EXE", "ƒ=2x+1", "x?"},
        {"2 var:x + 1 EXE 3 EXE", "ƒ=2x+1", "ƒ=7"},  // x is the last variable: runs at once
        {"2 var:x + 1 EXE 3 EXE EXE", "ƒ=2x+1", "x?"},
        {"2 var:x + 1 EXE 3 EXE EXE 5 EXE", "ƒ=2x+1", "ƒ=11"},
        {"2 var:x + 1 EXE EXE", "ƒ=2x+1", "ƒ=1"},  // nothing typed is 0
        {"var:y SHIFT Mx 2 var:x EXE", "y=2x", "x?"},
        {"var:y SHIFT Mx 2 var:x EXE 4 EXE", "y=2x", "y=8"},
        {"2 var:a + var:b EXE", "ƒ=2a+b", "a?"},
        {"2 var:a + var:b EXE 3 EXE", "ƒ=2a+b", "b?"},
        {"2 var:a + var:b EXE 3 EXE 4 EXE", "ƒ=2a+b", "ƒ=10"},
        {"var:x * var:x EXE", "ƒ=x*x", "x?"},  // used twice, asked once
        {"2 var:x * var:x EXE 3 EXE", "ƒ=2x*x", "ƒ=18"},
        {"4 SHIFT X² var:r X^Y 3 / 3 EXE 2 EXE", "ƒ=4{pi}r^3/3", "ƒ=33.510321638"},
        {"2 var:x EXE 2 SHIFT X² EXE", "ƒ=2x", "ƒ=12.566370614"},  // a value may be an expression
        {"2 var:x EXE - 3 EXE", "ƒ=2x", "ƒ=-6"},  // a typed '-' leads: it is the sign
        {"2 var:x EXE (-) 3 EXE", "ƒ=2x", "ƒ=-6"},
        {"mode:Scientific 1 0 0 0 var:x EXE 2 EXE", "ƒ=1000x", "ƒ=2.e+003"},
        {"var:y SHIFT Mx var:x / 0 EXE 1 EXE", "y=x/0", "[ / ]   Can't divide with zero"},
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(FormulaModeTest, PreparationFaultsStayInCalculatingMode) {
    const KeyCase cases[] = {
        {"var:y SHIFT Mx var:x SHIFT Mx 2 EXE", "[y]=[x]=2", "[ = ]  Formel Error!"},
        {"2 SHIFT Mx var:x EXE", "2=[x]", "Formel Error!"},
        {"var:x + EXE", "[x]+", "[ +  No digit ]   Syn ERROR"},
        // The only variable is the left side: nothing to ask, so it is calculated at once.
        {"var:x + 1 EXE", "[x]+1", "Varible has no value?"},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.keys);
        EXPECT_EQ(Expression(), row.expression) << row.keys;
        EXPECT_EQ(Result(), row.result) << row.keys;
        EXPECT_TRUE(Calc().ResultIsError()) << row.keys;
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating) << row.keys;
        EXPECT_EQ(Calc().Evaluator().VariableCount(), 0) << row.keys;
    }
}

TEST_F(FormulaModeTest, TypedTextWithoutKeypadForms) {
    struct TextCase {
        const char* text;
        const char* result;
    };
    const TextCase cases[] = {
        {"[1]+2", "Not a valid varible"},   {"2+[", "Not a valid varible"},
        {"[ƒ]+[1]", "Not a valid varible"}, {"[y]=2[x]=", "[ = ]  Formel Error!"},
        {"[y]+2=[x]", "Formel Error!"},     {"[y=2+[x]", "Formel Error!"},
    };
    for (const auto& row : cases) {
        Restart();
        Calc().TypeText(Bytes(row.text));
        Press("EXE");
        // A text the syntax pre-pass refuses shows the pre-pass's own message instead.
        if (!Calc().Evaluator().CheckSyntax(Bytes(row.text))) {
            EXPECT_EQ(Result(), row.result) << row.text;
        }
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating) << row.text;
    }
}

TEST_F(FormulaModeTest, ADoubleVariableFailsWhileAnErrorIsPending) {
    Calc().TypeText(Bytes("[y]=[x]=2[x]"));
    Press("EXE");
    EXPECT_EQ(Result(), "[ = ]  Formel Error!");
    Press("EXE");  // the error still stands when x is met twice
    EXPECT_EQ(Result(), "Could not get the varibles!");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
}

TEST_F(FormulaModeTest, AcAsksAgainAndClrLeaves) {
    const KeyCase cases[] = {
        {"2 var:a + var:b EXE 3 EXE 9 AC", "ƒ=2a+b", "b?"},
        {"2 var:a + var:b EXE 3 EXE 4 EXE AC", "ƒ=2a+b", "a?"},
        {"2 var:x EXE 7 AC 5 EXE", "ƒ=2x", "ƒ=10"},
        {"2 var:x EXE Esc", "", ""},
        {"2 var:x EXE SHIFT AC", "", ""},
        {"2 var:x EXE Clear", "", ""},
        {"2 var:x EXE mode:Formula", "", ""},
        {"2 var:x EXE Esc 5 EXE", "", "= 5"},
        {"2 var:x EXE <Del", "ƒ=2x", "x?"},  // nothing typed over the formula yet
        {"2 var:x EXE < >", "ƒ=2x", "x?"},
        {"2 var:x EXE 1 2 <Del", "1", "x?"},
        {"2 var:x EXE Mx 3", "¦M3¦", "x?"},
        {"2 var:x EXE 1 / 0 EXE", "1/0", "[ / ]   Can't divide with zero"},
        {"2 var:x EXE 1 / 0 EXE <Del 2 EXE", "ƒ=2x", "ƒ=1"},
        {"4 EXE 2 var:x EXE SHIFT EXE EXE", "ƒ=2x", "ƒ=8"},
        {"2 var:x EXE SHIFT Esc", "", ""},  // Esc is CLR even with SHIFT already on
        // Values and answers that are not numbers are maths errors.
        {"2 var:x EXE ( (-) 8 ) X^Y ( 1 / 3 ) EXE", "(−8)^(1/3)", "Ma  ERROR"},
        {"( (-) 8 ) X^Y var:x EXE . 5 EXE", "ƒ=(−8)^x", "Ma  ERROR"},
    };
    EXPECT_KEY_CASES(cases);
    Restart();
    Press("2 var:x EXE Esc");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
    EXPECT_EQ(Calc().Evaluator().VariableCount(), 0);
}

TEST_F(FormulaModeTest, ARunLeavesTheLineOutsideEditing) {
    Press("2 var:x EXE");
    EXPECT_TRUE(Calc().IsEditing());
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Formula);
    Press("3 EXE");
    EXPECT_FALSE(Calc().IsEditing());
    Calc().InsertNumberText("9");
    EXPECT_EQ(Expression(), "ƒ=2x");
}

TEST_F(FormulaModeTest, BuiltInFormulasComeFromTheLibrary) {
    const KeyCase cases[] = {
        {"frm:23", "V=4{pi}r^3/3", "r?"},
        {"frm:23 2 EXE", "V=4{pi}r^3/3", "V=33.510321638"},
        {"frm:31 5 EXE 2 EXE", "C=n!/(r!(n-r)!)", "C=10"},
        {"1 EXE frm:31 5 EXE", "C=n!/(r!(n-r)!)", "r?"},  // an answer shown does not hinder it
        {"frm:10 1 EXE 2 EXE 3 EXE", "S=vt+at²/2", "S=8"},
        {"frm:13 2 EXE 3 EXE 3 0 EXE", "S=bc·sinA/2", "S=1.5"},
        {"frm:23 2 EXE frm:15", "S=ab", "a?"},  // a second Frm replaces the formula
        {"2 var:x EXE frm:0", "", ""},
        {"frm:0", "", ""},
        {"HEX frm:15 A EXE 2 EXE", "S=ab", "S=14"},
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(FormulaModeTest, SpecialFormulasAreSolvedByTheLibrarysSolver) {
    const KeyCase cases[] = {
        {"frm:1", "ax²+bx+c=0", "a?"},
        {"frm:1 1 EXE - 3 EXE 2 EXE", "ax²+bx+c=0", "x1= 2 , x2= 1"},
        {"frm:1 1 EXE 2 EXE 5 EXE", "ax²+bx+c=0", "Ma Error"},
        {"frm:2 3 EXE 4 EXE 9 0 EXE", "a²=b²+c²-2bc·cos A", "a= 5"},
        {"frm:5", "f=f0 (v-u)/(v-v0)", "f0?"},
        {"frm:5 1 0 0 EXE", "f=f0 (v-u)/(v-v0)", "v?"},
        // v = v0 divides by zero: shown as the solver's refusal.
        {"frm:5 1 0 0 EXE 3 4 0 EXE 0 EXE 3 4 0 EXE", "f=f0 (v-u)/(v-v0)", "Ma Error"},
        {"frm:7 1 EXE 1 EXE", "r=·sqrt(x²+y²) ,  A=·arctan y/x", "r= 1.41421356  , A=45"},
        {"frm:9 1 0 EXE", "a=(v2-v1)/(t2-t1)", "v1?"},
        {"frm:9 1 0 EXE 0 EXE 5 EXE 0 EXE", "a=(v2-v1)/(t2-t1)", "a= 2"},
        {"frm:9 1 0 EXE 0 EXE 5 EXE 0 EXE EXE", "a=(v2-v1)/(t2-t1)", "v2?"},
        {"frm:4 3 EXE 4 EXE 5 EXE AC", "S=·sqrt(s(s-a)(s-b)(s-c))", "a?"},
        {"frm:4 Esc", "", ""},
    };
    EXPECT_KEY_CASES(cases);
    Restart();
    Press("frm:1 1 EXE 2 EXE 5 EXE");
    EXPECT_TRUE(Calc().ResultIsError());
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::SpecialFormula);
    EXPECT_FALSE(Calc().IsEditing());
}

TEST_F(FormulaModeTest, TheLibraryIsPresetWithTheLoadedFormula) {
    EXPECT_EQ(Calc().FormulaForLibrary().index, 0);
    Press("frm:23");
    auto plain = Calc().FormulaForLibrary();
    EXPECT_EQ(plain.index, 23);
    EXPECT_EQ(Utf8(plain.displayForm), "V=4{pi}r^3/3");
    EXPECT_EQ(Utf8(plain.calculatorForm), "[V]=4{pi}[r]^3/3");
    Press("frm:5");
    const auto special = Calc().FormulaForLibrary();
    EXPECT_EQ(special.index, 5);
    EXPECT_EQ(special.displayForm, "f=f0 (v-u)/(v-v0)");
    EXPECT_EQ(special.calculatorForm, "");
    EXPECT_EQ(special.variableCount, 4);
    EXPECT_EQ(special.variableNames, (std::vector<std::string>{"f0", "v", "u", "v0"}));
    Press("Esc 2 var:x EXE");
    plain = Calc().FormulaForLibrary();
    EXPECT_EQ(plain.index, 0);
    EXPECT_EQ(Utf8(plain.calculatorForm), "[ƒ]=2[x]");
}

TEST_F(FormulaModeTest, CancellingTheLibraryKeepsTheFormula) {
    Press("frm:23 2");
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Frm), ViewEffect::OpenFormulaLibrary);
    Press("EXE");
    EXPECT_EQ(Result(), "V=33.510321638");
}

struct EnablingCase {
    const char* keys;
    bool formulaMenu;
    bool edit;
    bool save;
    bool saveAs;
};

TEST_F(FormulaModeTest, TheFormulaMenuEnablesItsItemsByTheLoadedFormula) {
    AddUserFormula("Line", "y=2x+1", "[y]=2[x]+1");
    const EnablingCase cases[] = {
        {"", false, false, false, false},
        {"2 var:x EXE", true, true, false, true},
        {"2 var:x EXE 3 EXE", true, true, false, true},
        {"frm:23", true, false, false, false},
        {"frm:10", true, false, false, false},
        {"frm:1", true, false, false, false},
        {"frm:51", true, true, true, true},
        {"frm:51 Esc", false, false, false, false},
    };
    using C = CalculatorCommand;
    for (const auto& row : cases) {
        Restart();
        Press(row.keys);
        EXPECT_EQ(Calc().IsFormulaMenuCurrent(), row.formulaMenu) << row.keys;
        EXPECT_EQ(Calc().IsMenuItemEnabled(C::EditFormula), row.edit) << row.keys;
        EXPECT_EQ(Calc().IsMenuItemEnabled(C::SaveFormula), row.save) << row.keys;
        EXPECT_EQ(Calc().IsMenuItemEnabled(C::SaveFormulaAs), row.saveAs) << row.keys;
        EXPECT_TRUE(Calc().IsMenuItemEnabled(C::Clear)) << row.keys;
    }
}

TEST_F(FormulaModeTest, EditFormulaPutsTheFormulaBackForEditing) {
    const KeyCase cases[] = {
        {"2 var:x + 1 EXE EditFormula", "[ƒ]=2[x]+1", ""},
        {"2 var:x + 1 EXE EditFormula EXE", "ƒ=2x+1", "x?"},
        {"2 var:x + 1 EXE EditFormula <Del 5 EXE 3 EXE", "ƒ=2x+5", "ƒ=11"},
        {"2 var:x + 1 EXE 3 EXE EditFormula", "[ƒ]=2[x]+1", ""},
        {"frm:23 EditFormula", "V=4{pi}r^3/3", "r?"},  // built-in: refused
        {"frm:1 EditFormula", "ax²+bx+c=0", "a?"},
        {"1 + 2 EditFormula", "1+2", ""},
    };
    EXPECT_KEY_CASES(cases);
    Restart();
    Press("2 var:x EXE EditFormula");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
}

TEST_F(FormulaModeTest, SaveAsAppendsAUserFormula) {
    Press("2 var:x + 1 EXE SaveAs:Line");
    auto records = UserRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "Line");
    EXPECT_EQ(records[0].displayForm, "ƒ=2x+1");
    EXPECT_EQ(records[0].calculatorForm, "[ƒ]=2[x]+1");
    EXPECT_TRUE(m_messages.boxes.empty());

    Restart();
    Press("frm:51 4 EXE");
    EXPECT_EQ(Expression(), "ƒ=2x+1");
    EXPECT_EQ(Result(), "ƒ=9");

    // SHIFT + Frm in calculating mode prepares the expression first.
    Restart();
    Press("var:y SHIFT Mx 3 var:t SaveAs:Triple");
    EXPECT_EQ(Expression(), "y=3t");
    EXPECT_EQ(Result(), "t?");
    records = UserRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].name, "Triple");
    EXPECT_EQ(records[1].displayForm, "y=3t");
    EXPECT_EQ(records[1].calculatorForm, "[y]=3[t]");
}

TEST_F(FormulaModeTest, SaveAsRefusesWhatItCannotSave) {
    const char* refused[] = {
        "2 var:x EXE SaveAs:",  // no name
        "1 + 2 SaveAs:Sum",     // no variable: no formula to save
        "SaveAs:Empty",
    };
    for (const char* keys : refused) {
        Restart();
        m_messages.boxes.clear();
        Press(keys);
        ASSERT_EQ(m_messages.boxes.size(), 1u) << keys;
        EXPECT_EQ(m_messages.boxes[0].text,
                  "Sorry! But I could not save the formula!\n\nDid you enter a name for the "
                  "equation? ");
        EXPECT_EQ(m_messages.boxes[0].caption, "");
    }
    EXPECT_TRUE(UserRecords().empty());
    Restart();
    Press("1 + 2 SaveAs:Sum");
    EXPECT_EQ(Expression(), "1+2");  // nothing was calculated
    EXPECT_EQ(Result(), "");
}

TEST_F(FormulaModeTest, SaveAsAsksForTheNameAndCancelEndsIt) {
    RecordingMessages messages;
    Calculator calculator(m_store, messages, m_folder);
    calculator.TypeText(Bytes("2[x]"));
    calculator.Execute(CalculatorCommand::Exe);
    calculator.Execute(CalculatorCommand::SaveFormulaAs);
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0].title, "Formula name ?");
    EXPECT_EQ(messages.questions[0].prompt, "Enter a name for the formula:");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(UserRecords().empty());
}

TEST_F(FormulaModeTest, SaveReplacesTheUserRecordKeepingItsName) {
    AddUserFormula("Line", "y=2x+1", "[y]=2[x]+1");
    AddUserFormula("Other", "z=q", "[z]=[q]");
    Press("frm:51 EditFormula <Del 5 EXE Save");
    const auto records = UserRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "Line");
    EXPECT_EQ(records[0].displayForm, "y=2x+5");
    EXPECT_EQ(records[0].calculatorForm, "[y]=2[x]+5");
    EXPECT_EQ(records[1].calculatorForm, "[z]=[q]");
    // Save is refused where it is disabled.
    Restart();
    Press("2 var:x EXE Save");
    EXPECT_EQ(UserRecords().size(), 2u);
}

TEST_F(FormulaModeTest, AUserFormulaThatCannotBePreparedShowsFormulaError) {
    AddUserFormula("Broken", "y=2*", "[y]=2*");
    AddUserFormula("Two", "y=x=1", "[y]=[x]=1");
    AddUserFormula("Empty", "y=", "");
    for (const char* keys : {"frm:51", "frm:52", "frm:53"}) {
        Restart();
        m_messages.boxes.clear();
        Press(keys);
        ASSERT_EQ(m_messages.boxes.size(), 1u) << keys;
        EXPECT_EQ(m_messages.boxes[0].caption, "Formula Error!");
        EXPECT_EQ(
            m_messages.boxes[0].text,
            "Could not run this equation!  Are you sure you've     \nentered it correctly?   ");
        EXPECT_EQ(m_messages.boxes[0].icon, MessageIcon::Error);
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating) << keys;
        EXPECT_EQ(Calc().FormulaForLibrary().index, 0) << keys;
    }
    Restart();
    Press("frm:52");
    EXPECT_EQ(Result(), "[ = ]  Formel Error!");
}

TEST_F(FormulaModeTest, AUserFormulaWithoutVariablesIsCalculated) {
    AddUserFormula("Sum", "1+2", "1+2");
    Press("frm:51");
    EXPECT_EQ(Result(), "= 3");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
}

}  // namespace
}  // namespace zyk::calculator_testing
