// The calculator window driven as a user drives it: real keypad buttons clicked with the mouse,
// key presses on the focused expression line, and what the display then shows.
#include "WindowTestSupport.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>

#include <cctype>

#include "calculator/KeypadTable.h"
#include "calculator/ui/KeypadLayout.h"

namespace zyk::window_test {
namespace {

using CalculatorWindow = WindowTest;

// nullptr: not checked.
struct ScenarioRow {
    const char* name;
    std::vector<Step> steps;
    const char* expression;  // UTF-8
    const char* result = nullptr;
    const char* angle = nullptr;
    const char* mode = nullptr;
    const char* hyp = nullptr;
};

// Test names show the row's name, not its bytes.
void PrintTo(const ScenarioRow& row, std::ostream* out) {
    *out << row.name;
}

class Scenarios : public WindowTest, public ::testing::WithParamInterface<ScenarioRow> {};

TEST_P(Scenarios, DisplayShowsTheOutcome) {
    const ScenarioRow& row = GetParam();
    Do(row.steps);
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8(row.expression));
    const auto check = [](const char* expected, const QString& shown, const char* what) {
        if (expected != nullptr) {
            EXPECT_EQ(shown, QString::fromUtf8(expected)) << what;
        }
    };
    check(row.result, ResultShown(), "result line");
    check(row.angle, Window().Display().AngleLabel().text(), "angle label");
    check(row.mode, ModeShown(), "mode label");
    check(row.hyp, Window().Display().HypLabel().text(), "hyp label");
}

constexpr auto kNone = Qt::NoModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kPad = Qt::KeypadModifier;
constexpr const char* kAny = nullptr;
const Step kExe = Press(Qt::Key_Return);

// clang-format off
INSTANTIATE_TEST_SUITE_P(CalculatorWindow, Scenarios, ::testing::Values(
    // Whole calculations: steps, then expression line, result line, angle, mode and hyp labels.
    ScenarioRow{"mouse", {Click(CalculatorCommand::Digit2), Click(CalculatorCommand::Add), Click(CalculatorCommand::Digit3), Click(CalculatorCommand::Multiply), Click(CalculatorCommand::Digit4), Click(CalculatorCommand::Exe)}, "", "= 14"},
    ScenarioRow{"keyboard", {Type("7*(8-2)/4"), kExe}, "", "= 10.5"},
    ScenarioRow{"pad Enter", {Type("1+1"), Press(Qt::Key_Enter, kPad)}, "", "= 2"},
    ScenarioRow{"negation shows as minus", {Click(CalculatorCommand::Negate), Click(CalculatorCommand::Digit4)}, "\u22124"},
    // Modifiers and their labels.
    ScenarioRow{"labels start with their names", {}, "", "Result", "Degree", "MODE", "hyp"},
    ScenarioRow{"SHIFT", {Click(CalculatorCommand::Shift)}, "", kAny, kAny, "ds"},
    // Keys that are shortcuts, not typing or focus moves.
    ScenarioRow{"Space Tab is Rad", {Press(Qt::Key_Space), Press(Qt::Key_Tab)}, "", kAny, "[r]", "d"},
    ScenarioRow{"Shift Space is hyp", {Press(Qt::Key_Space, kShift), Press(Qt::Key_Space, kShift)}, "", kAny, kAny, kAny, ""},
    ScenarioRow{"Esc is CLR", {Type("12"), Press(Qt::Key_Escape)}, ""},
    // Editing keys.
    ScenarioRow{"Left then typing", {Type("12"), Press(Qt::Key_Left), Type("+")}, "1+2"},
    ScenarioRow{"Delete", {Type("12"), Press(Qt::Key_Left), Press(Qt::Key_Delete)}, "1"},
    ScenarioRow{"Backspace", {Type("12"), Press(Qt::Key_Backspace)}, "1"},
    ScenarioRow{"Insert edits a typed formula", {Type("2x+1"), kExe, Press(Qt::Key_Insert)}, "[\u0192]=2[x]+1", ""},
    ScenarioRow{"copy result, paste", {Type("40+2"), kExe, Press(Qt::Key_C, kCtrl), Type("1+"), Press(Qt::Key_V, kCtrl)}, "1+42"},
    // One key, one token.
    ScenarioRow{"pad comma is the point", {Press(Qt::Key_Comma, kPad, ",")}, "."},
    ScenarioRow{"xor sign", {Press(Qt::Key_currency, kNone, "\u00A4")}, "\u00A4"},
    ScenarioRow{"factorial, equals, and", {Type("!=&")}, "!=&"},
    ScenarioRow{"letter is a lower variable", {Press(Qt::Key_X, kNone, "x")}, "[x]"},
    ScenarioRow{"Shift letter is an upper one", {Press(Qt::Key_X, kShift, "X")}, "[X]"},
    ScenarioRow{"Caps Lock changes no variable", {Press(Qt::Key_R, kNone, "R")}, "[r]"},
    ScenarioRow{"Alt S C T", {Press(Qt::Key_S, kAlt), Press(Qt::Key_C, kAlt), Press(Qt::Key_T, kAlt)}, "\u00B7sin\u00B7cos\u00B7tan"},
    ScenarioRow{"Alt minus", {Press(Qt::Key_Minus, kAlt, "-")}, "\u2212"},
    ScenarioRow{"Shift Alt A C F are digits", {Press(Qt::Key_A, kShift | kAlt), Press(Qt::Key_C, kShift | kAlt), Press(Qt::Key_F, kShift | kAlt)}, "ACF"},
    ScenarioRow{"caret is X^Y", {Type("2^3"), kExe}, "", "= 8"},
    ScenarioRow{"hex letters are digits", {Press(Qt::Key_H, kAlt), Press(Qt::Key_F, kNone, "f"), Press(Qt::Key_A, kShift, "A"), Press(Qt::Key_G, kNone, "g")}, "FA"},
    ScenarioRow{"keys the calculator ignores", {Press(Qt::Key_X, kCtrl), Press(Qt::Key_F5), Press(Qt::Key_Backtab, kShift)}, ""}),
    [](const ::testing::TestParamInfo<ScenarioRow>& info) {
        std::string name;
        for (const char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });
// clang-format on

TEST_F(CalculatorWindow, KeysNeverMoveTheFocusOrPressAButton) {
    CCalculatorDlg& window = Window();
    ASSERT_EQ(window.focusWidget(), &Line());
    Do({Type("8"), Click(CalculatorCommand::Add), Press(Qt::Key_Tab), Press(Qt::Key_Space),
        Press(Qt::Key_Space), Type("1")});
    EXPECT_EQ(window.focusWidget(), &Line());
    // Enter after a click is EXE, not a second press of the clicked button.
    Do({Press(Qt::Key_Return)});
    EXPECT_EQ(ResultShown(), QStringLiteral("= 9"));
    // Keys that reach the window itself behave the same; Esc does not close it.
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_Space, QString(), Qt::NoModifier);
    EXPECT_EQ(ModeShown(), QStringLiteral("ds"));
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_Escape, QString(), Qt::NoModifier);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(CalculatorWindow, MouseInTheLineMovesTheCalculatorsCaret) {
    Do({Type("123")});
    CExpressionEdit& line = Line();
    QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(1, line.height() / 2));
    EXPECT_EQ(Window().Core().Caret(), 0u);
    Do({Type("9")});
    EXPECT_EQ(ExpressionShown(), QStringLiteral("9123"));
    EXPECT_EQ(line.cursorPosition(), 1);
    // A middle click pastes nothing; a double click selects the number, the next key replaces it.
    QTest::mouseClick(&line, Qt::MiddleButton, {}, QPoint(2, 2));
    EXPECT_EQ(Window().Core().ExpressionText(), "9123");
    QTest::mouseDClick(&line, Qt::LeftButton, {}, QPoint(4, line.height() / 2));
    Do({Type("7")});
    EXPECT_EQ(ExpressionShown(), QStringLiteral("7"));
}

TEST_F(CalculatorWindow, RightClickAnywhereOnTheDisplayOpensTheDisplayMenu) {
    CCalculatorDisplay& display = Window().Display();
    for (QWidget* target :
         std::initializer_list<QWidget*>{&Line(), &display.ResultLine(), &display.AngleLabel(),
                                         &display.HypLabel(), &display}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                                target->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(target, &event);
        ASSERT_NE(Window().OpenMenu(), nullptr) << target->objectName().toStdString();
        EXPECT_EQ(ItemTexts(OpenMenu()),
                  (QStringList{"Copy Result\tCtrl+C", "Copy Expression\tCtrl+E", "Paste\tCtrl+V",
                               "Clear\tEsc"}));
        OpenMenu().close();
    }
}

// Long answers and error texts are shown whole: in a smaller font first, elided in the middle
// (with the whole text as tool tip) only when even the smallest readable font is too wide.
TEST_F(CalculatorWindow, TheResultLineNeverCutsItsTextOff) {
    CFitLabel& result = Window().Display().ResultLine();
    const int normalPoints = result.font().pointSize();
    const std::vector<std::vector<Step>> longTexts = {
        {Type("2"), Click(CalculatorCommand::Negate), Type("3"), kExe},  // misplaced sign
        {Press(Qt::Key_B, kAlt), Click(CalculatorCommand::Negate), Type("1"), kExe},  // 32 ones
    };
    for (const std::vector<Step>& steps : longTexts) {
        Do({Press(Qt::Key_Escape), Press(Qt::Key_D, kAlt)});
        Do(steps);
        EXPECT_GT(result.text().size(), 25) << result.text().toStdString();
        EXPECT_EQ(result.ShownText(), result.text());
        EXPECT_LE(QFontMetrics(result.FittedFont()).horizontalAdvance(result.text()),
                  result.contentsRect().width());
        EXPECT_GE(result.FittedFont().pointSize(), CFitLabel::kMinimumPoints);
        EXPECT_LT(result.FittedFont().pointSize(), normalPoints) << result.text().toStdString();
        EXPECT_TRUE(result.toolTip().isEmpty());
    }
    // Far too long for any readable font: elided in the middle, ends kept, tool tip whole.
    const QString huge =
        QStringLiteral("[ ") + QString(300, QLatin1Char('7')) + QStringLiteral(" ]");
    result.SetText(huge);
    EXPECT_EQ(result.FittedFont().pointSize(), CFitLabel::kMinimumPoints);
    EXPECT_TRUE(result.ShownText().startsWith(QStringLiteral("[ 7")));
    EXPECT_TRUE(result.ShownText().endsWith(QStringLiteral("7 ]")));
    EXPECT_TRUE(result.ShownText().contains(QChar(0x2026)));
    EXPECT_EQ(result.toolTip(), huge);
}

// Copy Result and Copy Expression also fill the desktop's clipboard; Ctrl+Shift+V types its text.
TEST_F(CalculatorWindow, TheDesktopsClipboardSitsBesideThePasteBuffer) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    Do({Click(CalculatorCommand::Negate), Type("5*2"), kExe, Press(Qt::Key_C, kCtrl)});
    EXPECT_EQ(clipboard.text(), QStringLiteral("-10"));
    Do({Click(CalculatorCommand::Negate), Type("4"), Press(Qt::Key_E, kCtrl)});
    EXPECT_EQ(clipboard.text(), QString::fromUtf8("\u22124"));

    Do({Press(Qt::Key_Escape)});
    clipboard.setText(QString::fromUtf8("  \u00B7sqrt(16)+\u22121\n"));
    Do({Press(Qt::Key_V, kCtrl | kShift), kExe});
    EXPECT_EQ(ResultShown(), QStringLiteral("= 3"));
    // The calculator's own Paste still inserts its buffer, not the desktop's text.
    Do({Press(Qt::Key_V, kCtrl)});
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("\u22124"));

    clipboard.setText(QString::fromUtf8("2\u03A9"));
    Do({Press(Qt::Key_V, kCtrl | kShift)});
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("\u22124"));
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_NE(messages.shown.back().text.find("U+03A9"), std::string::npos);
}

TEST_F(CalculatorWindow, EveryKeyOfTheTableHasItsButtonAndCaption) {
    CKeypad& keypad = Window().Keypad();
    const QFontMetrics captionMetrics(keypad.CaptionFont());
    for (const KeypadKey& key : kKeypadKeys) {
        const CSkinButton* button = keypad.Button(key.command);
        ASSERT_NE(button, nullptr) << key.label;
        // Tests and tools find a key by its documented control id.
        ASSERT_TRUE(PlacementOf(key.command).has_value()) << key.label;
        EXPECT_EQ(button->objectName(), QString::number(PlacementOf(key.command)->controlId));
        const QRect face = button->geometry();
        EXPECT_EQ(button->text(), ToQString(key.label));
        EXPECT_TRUE(keypad.rect().contains(face)) << key.label;
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), face.width() - 4)
            << key.label;
        const std::optional<CKeypad::Caption> caption = keypad.CaptionOf(key.command);
        ASSERT_EQ(caption.has_value(), !key.shiftLabel.empty()) << key.label;
        if (caption) {
            // Written above its own key, wide and tall enough to be read whole.
            EXPECT_EQ(caption->text, ToQString(key.shiftLabel));
            EXPECT_LE(caption->area.bottom(), face.top()) << key.label;
            EXPECT_LE(std::abs(caption->area.center().x() - face.center().x()), 1) << key.label;
            EXPECT_LE(captionMetrics.horizontalAdvance(caption->text), caption->area.width())
                << key.label;
            EXPECT_GE(caption->area.height(), captionMetrics.height()) << key.label;
        }
        for (const CalculatorCommand other : keypad.Commands()) {
            EXPECT_TRUE(other == key.command || !face.intersects(keypad.Button(other)->geometry()))
                << key.label << " overlaps " << KeyForCommand(other)->label;
        }
    }
    EXPECT_EQ(keypad.Commands().size(), kKeypadKeys.size());
    EXPECT_EQ(kFunctionBlock.size() + kNumberBlock.size(), kKeypadKeys.size())
        << "every key is placed once";
}

}  // namespace
}  // namespace zyk::window_test
