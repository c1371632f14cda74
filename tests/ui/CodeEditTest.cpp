// The program editor: colours, indentation, Tab and Shift+Tab, inserts and the undo steps.
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "program/CodeEditorSettings.h"
#include "program/ui/CCodeEdit.h"
#include "program/ui/CCodeHighlighter.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

QColor TokenColour(CodeToken token) {
    return ToQColor(code_editor::kTokenColours[static_cast<std::size_t>(token)]);
}

// A window holding the editor and a button that could take the focus.
class CodeEditFixture : public ::testing::Test {
protected:
    CodeEditFixture() {
        auto* layout = new QVBoxLayout(&m_window);
        layout->addWidget(&m_editor);
        layout->addWidget(new QPushButton(QStringLiteral("Other"), &m_window));
        ShowAndSettle(m_window);
        m_editor.setFocus();
    }

    // The colour the line's character at `column` is drawn in.
    QColor ColourAt(int line, int column) const {
        const QTextBlock block = m_editor.document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (column >= range.start && column < range.start + range.length) {
                return range.format.foreground().color();
            }
        }
        return m_editor.palette().color(QPalette::Text);
    }
    void Type(const QString& text) { QTest::keyClicks(&m_editor, text); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&m_editor, key, modifiers);
    }
    void Select(int from, int to) {
        QTextCursor cursor = m_editor.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        m_editor.setTextCursor(cursor);
    }
    QString Text() const { return m_editor.toPlainText(); }

    QWidget m_window;
    CCodeEdit m_editor;
};

TEST_F(CodeEditFixture, ColoursEveryTokenOnItsDarkBackground) {
    m_editor.setPlainText(QStringLiteral(
        "if (x > 12.5e3) then ' note\nIf rem x\nprint \"it's\" x\ndo while (i < 2)"));
    const struct {
        int line;
        int column;
        CodeToken token;
    } rows[] = {
        {0, 0, CodeToken::Keyword},  {0, 4, CodeToken::Plain},    {0, 8, CodeToken::Number},
        {0, 13, CodeToken::Number},  {0, 16, CodeToken::Keyword}, {0, 21, CodeToken::Comment},
        {0, 26, CodeToken::Comment}, {1, 0, CodeToken::Plain},    {1, 3, CodeToken::Plain},
        {2, 0, CodeToken::Plain},    {2, 6, CodeToken::String},   {2, 9, CodeToken::String},
        {2, 11, CodeToken::String},  {2, 13, CodeToken::Plain},   {3, 3, CodeToken::Keyword},
        {3, 14, CodeToken::Number},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ColourAt(row.line, row.column), TokenColour(row.token))
            << row.line << ":" << row.column;
    }
    EXPECT_EQ(m_editor.palette().color(QPalette::Base), QColor(60, 70, 80));
    const QImage shot = m_editor.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(60, 70, 80));
    EXPECT_TRUE(QFontInfo(m_editor.font()).fixedPitch());
    EXPECT_EQ(m_editor.font().pointSize(), 10);
    EXPECT_EQ(m_editor.tabStopDistance(), 30.0);
}

TEST_F(CodeEditFixture, TypingRecoloursOnlyTheLineItChanges) {
    QStringList lines;
    for (int i = 0; i < 2000; ++i) {
        lines << QStringLiteral("x = x+%1").arg(i);
    }
    m_editor.setPlainText(lines.join(QLatin1Char('\n')));
    const long long before = m_editor.Highlighter().ColouredLines();
    EXPECT_GE(before, 2000);
    m_editor.setTextCursor(QTextCursor(m_editor.document()->findBlockByNumber(1000)));
    Type(QStringLiteral("if "));
    EXPECT_LE(m_editor.Highlighter().ColouredLines() - before, 3);  // one line per keystroke
    EXPECT_EQ(ColourAt(1000, 0), TokenColour(CodeToken::Keyword));
    EXPECT_EQ(ColourAt(1001, 0), TokenColour(CodeToken::Plain));
}

TEST_F(CodeEditFixture, EnterIndentsLikeTheLineBeforeAndOneMoreAfterAnOpeningWord) {
    const struct {
        const char* line;
        const char* nextLine;
    } rows[] = {
        {"\tif (x > 1) then", "\t\t"}, {"do while (i < 3)", "\t"}, {"\t\tx = 1", "\t\t"},
        {"elseif (x) then", "\t"},     {"\telse", "\t\t"},         {"If (x) then", ""},
    };
    for (const auto& row : rows) {
        m_editor.setPlainText(QString::fromUtf8(row.line));
        m_editor.moveCursor(QTextCursor::End);
        Press(Qt::Key_Return);
        EXPECT_EQ(Text(), QString::fromUtf8(row.line) + "\n" + row.nextLine) << row.line;
        EXPECT_TRUE(m_editor.hasFocus());
    }
    // The line break and its tabs are one step of the undo history; Enter in the middle of a line
    // looks at the part before the caret.
    m_editor.setPlainText(QStringLiteral("\tdo while (1)x"));
    m_editor.moveCursor(QTextCursor::End);
    m_editor.moveCursor(QTextCursor::Left);
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(), QStringLiteral("\tdo while (1)\n\t\tx"));
    m_editor.undo();
    EXPECT_EQ(Text(), QStringLiteral("\tdo while (1)x"));
    Press(Qt::Key_Return, Qt::ShiftModifier);  // no soft line break
    EXPECT_EQ(m_editor.document()->blockCount(), 2);
}

TEST_F(CodeEditFixture, TabAndShiftTabIndentSelectedLinesAsOneUndoStep) {
    const QString program = QStringLiteral("a\n\tb\n    c\nd");
    const struct {
        int from;
        int to;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* after;
    } rows[] = {
        {0, 4, Qt::Key_Tab, Qt::NoModifier, "\ta\n\t\tb\n    c\nd"},     // a and b
        {0, 11, Qt::Key_Tab, Qt::NoModifier, "\ta\n\t\tb\n\t    c\nd"},  // ends at d's start
        {2, 10, Qt::Key_Backtab, Qt::ShiftModifier, "a\nb\nc\nd"},
        {0, 1, Qt::Key_Tab, Qt::NoModifier, "\t\n\tb\n    c\nd"},        // one line: types over it
        {1, 1, Qt::Key_Backtab, Qt::ShiftModifier, "a\n\tb\n    c\nd"},  // no indentation
        {3, 3, Qt::Key_Backtab, Qt::ShiftModifier, "a\nb\n    c\nd"},
        {0, 11, Qt::Key_Tab, Qt::ControlModifier, "\td"},  // Ctrl+Tab is a character
    };
    for (const auto& row : rows) {
        m_editor.setPlainText(program);
        Select(row.from, row.to);
        Press(row.key, row.modifiers);
        EXPECT_EQ(Text(), QString::fromUtf8(row.after)) << row.from << "-" << row.to;
        EXPECT_TRUE(m_editor.hasFocus()) << "Tab moved the focus";
        m_editor.undo();
        EXPECT_EQ(Text(), program) << "one undo step " << row.from << "-" << row.to;
        m_editor.redo();
        EXPECT_EQ(Text(), QString::fromUtf8(row.after));
    }
    // The lines stay selected, so a second Tab indents them again.
    m_editor.setPlainText(program);
    Select(0, 5);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Text(), QStringLiteral("\t\ta\n\t\t\tb\n    c\nd"));
}

TEST_F(CodeEditFixture, InsertsPastesAndClearsAreUndoStepsOfTheirOwn) {
    // Typing right after an insert joins its step, as typed characters join each other.
    Type(QStringLiteral("if x"));
    m_editor.InsertAtCaret(QStringLiteral("<>"));
    Type(QStringLiteral("1"));
    EXPECT_EQ(Text(), QStringLiteral("if x<>1"));
    m_editor.undo();
    EXPECT_EQ(Text(), QStringLiteral("if x"));
    m_editor.undo();
    EXPECT_EQ(Text(), QString());

    // Plain text only, with its line breaks made the editor's own.
    auto* copied = new QMimeData;
    copied->setHtml(QStringLiteral("<b>bold</b>"));
    copied->setText(QStringLiteral("print 1\r\nprint\u20282"));
    QApplication::clipboard()->setMimeData(copied);
    m_editor.clear();
    m_editor.paste();
    EXPECT_EQ(m_editor.Lines(), (QStringList{"print 1", "print", "2"}));
    EXPECT_NE(QTextCursor(m_editor.document()).charFormat().fontWeight(), QFont::Bold);

    m_editor.ClearAll();
    EXPECT_EQ(Text(), QString());
    m_editor.undo();
    EXPECT_EQ(m_editor.Lines(), (QStringList{"print 1", "print", "2"}));
    Select(0, 5);
    m_editor.ClearSelected();
    EXPECT_EQ(m_editor.Lines().first(), QStringLiteral(" 1"));
}

TEST_F(CodeEditFixture, ARunReadsTheLinesInTheCalculatorsCharacterSet) {
    m_editor.setPlainText(QStringLiteral("x = \u22122\nprint \"\u00B2 \u4E2D\"\n\n"));
    const ProgramText program = m_editor.ReadProgram();
    ASSERT_EQ(program.LineCount(), 3);  // the last empty line ends the one before
    EXPECT_EQ(program.RawLine(0),
              "x = \xAD"
              "2");
    EXPECT_EQ(program.RawLine(1), "print \"\xB2 ?\"");
    EXPECT_EQ(program.RawLine(2), "");

    m_editor.setPlainText(QStringLiteral("var x\nx = 1/0\nprint x"));
    Select(2, 9);
    m_editor.CollapseSelection();
    EXPECT_EQ(m_editor.textCursor().position(), 2);
    EXPECT_FALSE(m_editor.textCursor().hasSelection());
    m_editor.SelectLine(1);
    EXPECT_EQ(m_editor.textCursor().selectedText(), QStringLiteral("x = 1/0"));
}

}  // namespace
}  // namespace zyk
