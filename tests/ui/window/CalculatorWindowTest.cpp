// The calculator window driven as a user drives it: real keypad buttons clicked with the mouse,
// key presses on the focused expression line, and what the display then shows.
#include "WindowTestSupport.h"

#include <QContextMenuEvent>
#include <QRect>

#include <set>

#include "calculator/KeypadTable.h"

namespace zyk::window_test {
namespace {

using CalculatorWindow = WindowTest;

const QString kMarker = QString(QChar(0x00B7));
const QString kMinus = QString(QChar(0x2212));

TEST_F(CalculatorWindow, CalculatesWithTheMouse) {
    for (const int id : {kIdcDigit2, kIdcAdd, kIdcDigit3, kIdcMultiply, kIdcDigit4}) {
        Click(id);
    }
    EXPECT_EQ(ExpressionShown(), QStringLiteral("2+3*4"));
    Click(kIdcExe);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 14"));
    EXPECT_EQ(ExpressionShown(), QString());

    // The next key starts a new expression; SHIFT + EXE brings the last answer back.
    Click(kIdcShift);
    Click(kIdcExe);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("14"));
}

TEST_F(CalculatorWindow, CalculatesWithTheKeyboard) {
    Type(QStringLiteral("7*(8-2)/4"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("7*(8-2)/4"));
    Press(Qt::Key_Return);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 10.5"));
}

TEST_F(CalculatorWindow, ErrorStaysOnTheResultLineWithTheExpression) {
    Type(QStringLiteral("1/0"));
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ResultShown(), QStringLiteral("[ / ]   Can't divide with zero"));
    EXPECT_TRUE(Window().Display().ResultShowsError());
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1/0"));
    // Corrected in place: the next calculation works and the error look goes.
    Press(Qt::Key_Backspace);
    Type(QStringLiteral("4"));
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 0.25"));
    EXPECT_FALSE(Window().Display().ResultShowsError());
}

TEST_F(CalculatorWindow, TabAndSpaceAreKeysNotFocusMoves) {
    CCalculatorDlg& window = Window();
    QWidget* focused = window.focusWidget();
    ASSERT_EQ(focused, &Line());

    Press(Qt::Key_Space);
    EXPECT_EQ(ModeShown(), QStringLiteral("ds"));
    EXPECT_EQ(window.focusWidget(), focused);
    Press(Qt::Key_Space);
    EXPECT_EQ(ModeShown(), QStringLiteral("d"));

    // SHIFT + Tab would be Rad: Space then Tab.
    Press(Qt::Key_Space);
    Press(Qt::Key_Tab);
    EXPECT_EQ(AngleShown(), QStringLiteral("[r]"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(AngleShown(), QStringLiteral("[d]"));
    EXPECT_EQ(window.focusWidget(), focused);
    // Nothing was typed and no key button was pressed along the way.
    EXPECT_EQ(ExpressionShown(), QString());

    // Keys that reach the window itself (nothing focused inside) behave the same.
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_Space, QString(), Qt::NoModifier);
    EXPECT_EQ(ModeShown(), QStringLiteral("ds"));
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_Escape, QString(), Qt::NoModifier);
    EXPECT_TRUE(window.isVisible()) << "Esc is CLR, it must not close the window";
}

TEST_F(CalculatorWindow, ModifierKeysChangeTheStatusLabels) {
    EXPECT_EQ(AngleShown(), QStringLiteral("Degree"));
    EXPECT_EQ(ModeShown(), QStringLiteral("MODE"));
    EXPECT_EQ(HypShown(), QStringLiteral("hyp"));

    Click(kIdcShift);
    EXPECT_EQ(ModeShown(), QStringLiteral("ds"));
    Click(kIdcShift);
    EXPECT_EQ(ModeShown(), QStringLiteral("d"));

    Click(kIdcHyp);
    EXPECT_EQ(HypShown(), QStringLiteral("hyp"));
    Click(kIdcHyp);
    EXPECT_EQ(HypShown(), QString());

    Click(kIdcHex);
    EXPECT_EQ(ModeShown(), QStringLiteral("h"));
    Click(kIdcShift);
    EXPECT_EQ(ModeShown(), QStringLiteral("hs"));
    Click(kIdcBin);  // SHIFT + BIN inserts the binary prefix, the base stays
    EXPECT_EQ(ModeShown(), QStringLiteral("h"));
    EXPECT_EQ(ExpressionShown(), kMarker + QStringLiteral("b"));

    Click(kIdcDec);
    Click(kIdcShift);
    Click(kIdcDeg);
    EXPECT_EQ(AngleShown(), QStringLiteral("[r]"));
}

TEST_F(CalculatorWindow, MemorySelectShowsItsPromptAndInsertsTheMemory) {
    Type(QStringLiteral("5+"));
    Click(kIdcMx);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("Select a number (0 - 9)"));
    Click(kIdcDigit3);
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("5+\u00A6M3\u00A6"));
}

TEST_F(CalculatorWindow, HypAndShiftPickTheTrigonometricForm) {
    Click(kIdcHyp);
    Click(kIdcShift);
    Click(kIdcSin);
    EXPECT_EQ(ExpressionShown(), kMarker + QStringLiteral("arcsinh"));
    EXPECT_EQ(HypShown(), QString());
    EXPECT_EQ(ModeShown(), QStringLiteral("d"));
}

TEST_F(CalculatorWindow, NegationSignIsShownAsMinus) {
    Click(kIdcNegate);
    Click(kIdcDigit4);
    EXPECT_EQ(ExpressionShown(), kMinus + QStringLiteral("4"));
    Press(Qt::Key_Return);
    EXPECT_EQ(ResultShown(), QStringLiteral("= -4"));
}

TEST_F(CalculatorWindow, ClickInTheLineMovesTheCalculatorsCaret) {
    Type(QStringLiteral("123"));
    CExpressionEdit& line = Line();
    QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(1, line.height() / 2));
    EXPECT_EQ(Window().Core().Caret(), 0);
    Type(QStringLiteral("9"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("9123"));
    EXPECT_EQ(line.cursorPosition(), 1);

    // A double click selects the number; the next key replaces it.
    QTest::mouseDClick(&line, Qt::LeftButton, {}, QPoint(4, line.height() / 2));
    EXPECT_EQ(Window().Core().SelectionEnd() - Window().Core().SelectionStart(), 4);
    Type(QStringLiteral("7"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("7"));
}

TEST_F(CalculatorWindow, CaretKeysMoveTheCaretShownInTheLine) {
    Type(QStringLiteral("12"));
    Press(Qt::Key_Left);
    EXPECT_EQ(Line().cursorPosition(), 1);
    Type(QStringLiteral("+"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1+2"));
    Press(Qt::Key_Delete);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1+"));
    Press(Qt::Key_Right);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1"));
}

TEST_F(CalculatorWindow, MiddleClickAndWheelCannotEditTheLine) {
    Type(QStringLiteral("12"));
    QTest::mouseClick(&Line(), Qt::MiddleButton, {}, QPoint(2, 2));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("12"));
    EXPECT_EQ(Window().Core().ExpressionText(), "12");
}

// ---- Keypad
// --------------------------------------------------------------------------------------

TEST_F(CalculatorWindow, EveryKeyOfTheTableHasItsButtonAndCaption) {
    CKeypad& keypad = Window().Keypad();
    int buttons = 0;
    for (const KeypadKey& key : kKeypadKeys) {
        if (key.controlId == 0) {
            continue;
        }
        ++buttons;
        const CSkinButton* button = keypad.Button(key.controlId);
        ASSERT_NE(button, nullptr) << key.label;
        EXPECT_EQ(button->text(), Shown(key.label));
        EXPECT_TRUE(button->isVisible()) << key.label;
        const auto* caption = keypad.Caption(key.controlId);
        if (key.shiftLabel.empty()) {
            EXPECT_EQ(caption, nullptr) << key.label;
        } else {
            ASSERT_NE(caption, nullptr) << key.label;
            EXPECT_EQ(caption->text(), Shown(key.shiftLabel));
            // Written above its key, not beside or over it.
            EXPECT_LE(caption->geometry().bottom(), button->geometry().top()) << key.label;
            EXPECT_LT(caption->geometry().left(), button->geometry().center().x());
            EXPECT_GT(caption->geometry().right(), button->geometry().center().x());
        }
    }
    EXPECT_EQ(static_cast<int>(keypad.ControlIds().size()), buttons);
}

TEST_F(CalculatorWindow, KeysNeitherOverlapNorLeaveTheKeypad) {
    CKeypad& keypad = Window().Keypad();
    const std::vector<int> ids = keypad.ControlIds();
    const QRect area = keypad.rect();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QRect a = keypad.Button(ids[i])->geometry();
        EXPECT_TRUE(area.contains(a)) << ids[i];
        EXPECT_GE(a.height(), 18) << ids[i];
        for (std::size_t j = i + 1; j < ids.size(); ++j) {
            EXPECT_FALSE(a.intersects(keypad.Button(ids[j])->geometry()))
                << ids[i] << " " << ids[j];
        }
    }
    // The label of every key fits on it.
    for (const int id : ids) {
        const CSkinButton* button = keypad.Button(id);
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()),
                  button->width() - 4)
            << button->text().toStdString();
    }
}

TEST_F(CalculatorWindow, KeypadButtonsNeverTakeTheFocus) {
    Type(QStringLiteral("8"));
    Click(kIdcAdd);
    EXPECT_EQ(Window().focusWidget(), &Line());
    // Enter after a click is EXE, not a second press of the clicked button.
    Type(QStringLiteral("1"));
    Press(Qt::Key_Return);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 9"));
}

// ---- Keyboard
// ------------------------------------------------------------------------------------

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;      // what the keyboard types with it (UTF-8)
    const char* expected;  // the expression line afterwards (UTF-8)
};

class KeyboardRows : public WindowTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyboardRows, KeyInsertsItsToken) {
    const KeyRow& row = GetParam();
    Press(row.key, row.modifiers, QString::fromUtf8(row.text));
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8(row.expected)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    CalculatorWindow, KeyboardRows,
    ::testing::Values(
        KeyRow{"digit", Qt::Key_7, Qt::NoModifier, "7", "7"},
        KeyRow{"pad digit", Qt::Key_5, Qt::KeypadModifier, "5", "5"},
        KeyRow{"pad point", Qt::Key_Period, Qt::KeypadModifier, ".", "."},
        KeyRow{"pad comma is the point", Qt::Key_Comma, Qt::KeypadModifier, ",", "."},
        KeyRow{"pad plus", Qt::Key_Plus, Qt::KeypadModifier, "+", "+"},
        KeyRow{"pad divide", Qt::Key_Slash, Qt::KeypadModifier, "/", "/"},
        KeyRow{"factorial", Qt::Key_Exclam, Qt::ShiftModifier, "!", "!"},
        KeyRow{"percent is MOD", Qt::Key_Percent, Qt::ShiftModifier, "%", "%"},
        KeyRow{"ampersand", Qt::Key_Ampersand, Qt::ShiftModifier, "&", "&"},
        KeyRow{"bar is or", Qt::Key_Bar, Qt::ShiftModifier, "|", "|"},
        KeyRow{"xor sign", Qt::Key_currency, Qt::NoModifier, "\u00A4", "\u00A4"},
        KeyRow{"equals", Qt::Key_Equal, Qt::NoModifier, "=", "="},
        KeyRow{"parenthesis", Qt::Key_ParenLeft, Qt::ShiftModifier, "(", "("},
        KeyRow{"letter is a lower variable", Qt::Key_X, Qt::NoModifier, "x", "[x]"},
        KeyRow{"shift letter is an upper variable", Qt::Key_X, Qt::ShiftModifier, "X", "[X]"},
        KeyRow{"caps lock does not change the variable", Qt::Key_R, Qt::NoModifier, "R", "[r]"},
        KeyRow{"Alt+S sin", Qt::Key_S, Qt::AltModifier, "s", "\u00B7sin"},
        KeyRow{"Alt+C cos", Qt::Key_C, Qt::AltModifier, "c", "\u00B7cos"},
        KeyRow{"Alt+T tan", Qt::Key_T, Qt::AltModifier, "t", "\u00B7tan"},
        KeyRow{"Alt+G log", Qt::Key_G, Qt::AltModifier, "g", "\u00B7log"},
        KeyRow{"Alt+N ln", Qt::Key_N, Qt::AltModifier, "n", "\u00B7ln"},
        KeyRow{"Alt+P square", Qt::Key_P, Qt::AltModifier, "p", "\u00B2"},
        KeyRow{"Alt+Q sqrt", Qt::Key_Q, Qt::AltModifier, "q", "\u00B7sqrt"},
        KeyRow{"Alt+Y power", Qt::Key_Y, Qt::AltModifier, "y", "^"},
        KeyRow{"Alt+E exponent", Qt::Key_E, Qt::AltModifier, "e", "e"},
        KeyRow{"Alt+O or", Qt::Key_O, Qt::AltModifier, "o", "|"},
        KeyRow{"Alt+minus negation", Qt::Key_Minus, Qt::AltModifier, "-", "\u2212"},
        KeyRow{"Alt+M memory select", Qt::Key_M, Qt::AltModifier, "m", "Select a number (0 - 9)"},
        KeyRow{"Shift+Alt+A", Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier, "A", "A"},
        KeyRow{"Shift+Alt+C is the digit, not a menu", Qt::Key_C,
               Qt::ShiftModifier | Qt::AltModifier, "C", "C"},
        KeyRow{"Shift+Alt+F", Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier, "F", "F"},
        KeyRow{"Ctrl with a letter is no variable", Qt::Key_X, Qt::ControlModifier, "", ""},
        KeyRow{"unused function key", Qt::Key_F5, Qt::NoModifier, "", ""},
        KeyRow{"Shift+Tab is not Tab", Qt::Key_Backtab, Qt::ShiftModifier, "", ""}),
    [](const ::testing::TestParamInfo<KeyRow>& info) {
        std::string name;
        for (const char c : std::string(info.param.name)) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            }
        }
        return name;
    });

TEST_F(CalculatorWindow, EditingShortcuts) {
    Type(QStringLiteral("6*7"));
    Press(Qt::Key_Return);
    Press(Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));  // Copy Result
    Type(QStringLiteral("1+"));
    Press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));  // Paste
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1+42"));

    Press(Qt::Key_E, Qt::ControlModifier, QStringLiteral("\x05"));  // Copy Expression
    Press(Qt::Key_Home);                                            // AC
    EXPECT_EQ(ExpressionShown(), QString());
    Press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("1+42"));

    Press(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(HypShown(), QStringLiteral("hyp"));
    Press(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(HypShown(), QString());

    Press(Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(ModeShown(), QStringLiteral("h"));
    EXPECT_EQ(ExpressionShown(), QString()) << "a base change clears the line";
    Press(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(ModeShown(), QStringLiteral("b"));
    Press(Qt::Key_Space, Qt::ShiftModifier);  // hyp only works in the decimal base
    EXPECT_EQ(HypShown(), QString());
    Press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(ModeShown(), QStringLiteral("d"));
}

TEST_F(CalculatorWindow, RightClickOnTheLineOpensTheDisplayMenu) {
    CExpressionEdit& line = Line();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), line.mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(&line, &event);
    QMenu* menu = Window().OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ItemTexts(*menu),
              (QStringList{QStringLiteral("Copy Result\tCtrl+C"),
                           QStringLiteral("Copy Expression\tCtrl+E"),
                           QStringLiteral("Paste\tCtrl+V"), QStringLiteral("Clear\tEsc")}));
    menu->close();
}

}  // namespace
}  // namespace zyk::window_test
