// The programming window joined to the calculator: "Get Program..." runs a file with its inputs
// answered on the keypad, AC and Esc stop a runaway program while the display keeps painting, and
// the window keeps its place and size.
#include <QComboBox>

#include <fstream>
#include <functional>

#include "WindowTestSupport.h"
#include "app/ProgrammingWindowSetup.h"
#include "calculator/KeypadTable.h"
#include "program/ui/CCodeEdit.h"
#include "program/ui/CProgramDlg.h"
#include "program/ui/ProgramFileDialogs.h"

namespace zyk::window_test {
namespace {

class OpenAnswer : public ProgramFileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override {
        asked = request;
        return path;
    }
    QString ChooseFileToSave(QWidget*, const FileDialogRequest&) override { return {}; }
    QString path;
    FileDialogRequest asked;
};

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

class ProgrammingWindow : public WindowTest {
protected:
    CProgramDlg& Programming() {
        if (m_programming == nullptr) {
            AddProgrammingWindow(Window(), store, &messages, &m_dialogs);
            m_programming =
                qobject_cast<CProgramDlg*>(Window().ToolWindow(ToolWindowKind::Programming));
            EXPECT_NE(m_programming, nullptr);
        }
        return *m_programming;
    }
    QString WriteProgram(const char* bytes) {
        const auto path = DataFolder() / "program.bas";
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string());
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 5000);
    }
    // The computing program has been stopped: the stop line shows, naming one of its lines.
    void ExpectStoppedOnAProgramLine() {
        const QString result = ResultShown();
        EXPECT_TRUE(result.startsWith(QStringLiteral("[ ")) &&
                    result.endsWith(QStringLiteral(" ]  Program stopped!")))
            << result.toStdString();
        EXPECT_FALSE(Programming().Runner().IsComputing());
    }

    OpenAnswer m_dialogs;

private:
    CProgramDlg* m_programming = nullptr;
};

TEST_F(ProgrammingWindow, GetProgramRunsAFileAndExeAnswersItsInput) {
    Programming();
    EXPECT_TRUE(Window().MainMenuAction(CalculatorCommand::Programming)->isEnabled());
    QAction* getProgram = Window().MainMenuAction(CalculatorCommand::GetProgram);
    ASSERT_TRUE(getProgram->isEnabled());
    m_dialogs.path =
        WriteProgram("var x, y\r\ninput \"Number? \" x\r\ny = (x)*2\r\nprint \"twice: \" y\r\n");
    getProgram->trigger();
    EXPECT_EQ(m_dialogs.asked.title, QStringLiteral("Open basic file"));
    EXPECT_EQ(m_dialogs.asked.filter, QStringLiteral("Basic Files (*.bas);;All Files (*.*)"));
    ASSERT_TRUE(WaitFor([&] { return ResultShown() == QStringLiteral("Number? "); }));
    EXPECT_FALSE(Programming().isVisible()) << "Get Program does not show the window";
    EXPECT_EQ(Programming().Editor().Lines().first(), QStringLiteral("var x, y"));

    Do({Type("2"), Type("1"), Click(CalculatorCommand::Exe)});
    EXPECT_EQ(ResultShown(), QStringLiteral("x = 21"));
    // The value stays for a second, while the window goes on painting.
    PaintCounter counter(Window().Display());
    Window().Display().update();
    QTest::qWait(200);
    EXPECT_EQ(ResultShown(), QStringLiteral("x = 21"));
    EXPECT_GE(counter.paints, 1);
    ASSERT_TRUE(WaitFor([&] { return ResultShown() == QStringLiteral("twice: 42"); }));

    Do({Click(CalculatorCommand::Exe)});
    ASSERT_TRUE(
        WaitFor([&] { return ExpressionShown() == QStringLiteral("Hit [Exe] to run again!"); }));
    // EXE runs it again, from the editor's present text.
    Programming().Editor().ReplaceText(QStringLiteral("print \"again\"\n"));
    Do({Click(CalculatorCommand::Exe)});
    ASSERT_TRUE(WaitFor([&] { return ResultShown() == QStringLiteral("again"); }));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgrammingWindow, AcAndEscStopARunawayProgramWhileTheDisplayKeepsPainting) {
    Programming();
    Window().MainMenuAction(CalculatorCommand::Programming)->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Programming()));
    Programming().Editor().setPlainText(QStringLiteral("var i\ndo while (1 = 1)\n\ti = i+1\nloop"));
    QTest::mouseClick(&Programming().RunButton(), Qt::LeftButton);
    ASSERT_TRUE(Programming().Runner().IsComputing());
    PaintCounter counter(Window().Display());
    Window().Display().update();
    ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
    EXPECT_TRUE(Programming().Runner().IsComputing());

    // AC: the run stops on the line it reached, its line is selected, EXE runs it again.
    Do({Click(CalculatorCommand::AllClear)});
    ExpectStoppedOnAProgramLine();
    EXPECT_EQ(Window().Core().GetExeMode(), ExeMode::Program);
    const int stoppedLine = Programming().Runner().Interpreter().FailedLine();
    EXPECT_EQ(Programming().Editor().textCursor().selectedText(),
              Programming().Editor().Lines()[stoppedLine]);
    Do({Click(CalculatorCommand::Exe)});
    ASSERT_TRUE(WaitFor([&] { return Programming().Runner().IsComputing(); }));

    // Esc (CLR): stopped too, and the calculator is the calculator again.
    Do({Press(Qt::Key_Escape)});
    ExpectStoppedOnAProgramLine();
    EXPECT_EQ(Window().Core().GetExeMode(), ExeMode::Calculating);
    Do({Type("2"), Type("+"), Type("3"), Click(CalculatorCommand::Exe)});
    EXPECT_EQ(ResultShown(), QStringLiteral("= 5"));
}

TEST_F(ProgrammingWindow, KeepsItsRectangleNeverBelowItsDesignSizeAndOpensItsHelp) {
    store.WriteInt("Settings", "ProgrammingLeft", 40);
    store.WriteInt("Settings", "ProgrammingTop", 30);
    store.WriteInt("Settings", "ProgrammingRight", 40 + 700);
    store.WriteInt("Settings", "ProgrammingBottom", 30 + 500);
    PutResource(QStringLiteral("help/Programming.htm"));
    Programming();
    Window().MainMenuAction(CalculatorCommand::Programming)->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Programming()));
    EXPECT_EQ(Programming().frameGeometry(), QRect(40, 30, 700, 500));

    Programming().move(100, 90);
    Programming().resize(Programming().minimumSize() + QSize(10, 20));
    // The platform reports the move and the resize in its own time on a loaded machine.
    EXPECT_TRUE(WaitFor([&] { return store.ReadInt("Settings", "ProgrammingTop", 0) == 90; }));
    QApplication::processEvents();
    const QRect frame = Programming().frameGeometry();
    EXPECT_EQ(store.ReadInt("Settings", "ProgrammingLeft", 0), 100);
    EXPECT_EQ(store.ReadInt("Settings", "ProgrammingTop", 0), 90);
    EXPECT_EQ(store.ReadInt("Settings", "ProgrammingRight", 0), frame.right() + 1);
    EXPECT_EQ(store.ReadInt("Settings", "ProgrammingBottom", 0), frame.bottom() + 1);

    QTest::keyClick(&Programming().Editor(), Qt::Key_F1);
    ASSERT_NE(Window().HelpViewer(), nullptr);
    EXPECT_EQ(Window().HelpViewer()->CurrentPage(), QStringLiteral("Programming.htm"));

    // A stored rectangle smaller than the design opens at the design size.
    CloseWindow();
    store.WriteInt("Settings", "ProgrammingRight", 40 + 50);
    store.WriteInt("Settings", "ProgrammingBottom", 30 + 50);
    AddProgrammingWindow(Window(), store, &messages, &m_dialogs);
    auto* small = qobject_cast<CProgramDlg*>(Window().ToolWindow(ToolWindowKind::Programming));
    ASSERT_NE(small, nullptr);
    small->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(small));
    EXPECT_EQ(small->size(), small->minimumSize());
}

}  // namespace
}  // namespace zyk::window_test
