// The programming window over a calculator core: layout, menus, lists and buttons, program
// files, and a run that Esc stops.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "UiTestSupport.h"
#include "calculator/Calculator.h"
#include "program/ui/CCodeEdit.h"
#include "program/ui/CMenuLabel.h"
#include "program/ui/CProgramDlg.h"
#include "program/ui/ProgramFileDialogs.h"
#include "program/ui/ProgramWindowText.h"
#include "shell/DialogUnits.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogUnitMapper.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

namespace text = program_window_text;

// Answers the file dialogs with preset names and remembers what they were asked.
class FakeFileDialogs : public ProgramFileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override {
        asked.push_back(request);
        return openAnswer;
    }
    QString ChooseFileToSave(QWidget*, const FileDialogRequest& request) override {
        asked.push_back(request);
        return saveAnswer;
    }
    QString openAnswer;
    QString saveAnswer;
    std::vector<FileDialogRequest> asked;
};

std::string FileBytes(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProgramWindowFixture : public ::testing::Test {
protected:
    ProgramWindowFixture() {
        m_store.WriteText("Folders", "Programs", m_files.path().toStdString());
        ShowAndSettle(m_window);
    }
    QString FilePath(const QString& name) const { return m_files.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Choose(QComboBox& list, const QString& entry) {
        const int index = list.findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list.setCurrentIndex(index);
        emit list.activated(index);
    }

    test::TempFolder m_data;
    QTemporaryDir m_files;
    MemorySettingsStore m_store;
    test::RecordingMessages m_messages;
    FakeFileDialogs m_dialogs;
    Calculator m_calculator{m_store, m_messages, m_data.Path()};
    std::vector<std::string> m_helpTopics;
    CProgramDlg m_window{
        ProgramWindowContext{m_store, m_calculator, &m_messages, &m_dialogs,
                             [this](std::string_view topic) { m_helpTopics.emplace_back(topic); }}};
};

TEST_F(ProgramWindowFixture, NeverSmallerThanItsDesignAndControlsFollowTheResizeRules) {
    const DialogUnitMapper units(QFont(QStringLiteral("Arial"), 8));
    const QSize design = units.ToPixels(CProgramDlg::kWidthUnits, CProgramDlg::kHeightUnits);
    EXPECT_EQ(m_window.minimumSize(), design);
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Programming"));
    m_window.resize(design.width() / 2, design.height() / 2);
    EXPECT_EQ(m_window.size(), design);

    const auto at = [&](QWidget& control) { return control.geometry(); };
    QWidget& help = m_window.HelpMenuLabel();
    QWidget& file = m_window.FileMenuLabel();
    CSkinButton& less = *m_window.InsertButton(1155);
    const QRect editor = at(m_window.Editor());
    const QRect before[] = {at(file), at(help), at(less), at(m_window.KeywordList()),
                            at(m_window.RunButton())};
    EXPECT_EQ(editor, units.ToPixels(10, 20, 207, 114));
    EXPECT_EQ(before[2], units.ToPixels(11, 140, 16, 11));
    EXPECT_EQ(before[4], units.ToPixels(176, 167, 41, 14));

    const QSize grown(120, 80);
    m_window.resize(design + grown);
    QApplication::processEvents();
    EXPECT_EQ(at(m_window.Editor()).size(), editor.size() + grown);
    EXPECT_EQ(at(file), before[0]);                                // stays
    EXPECT_EQ(at(help), before[1].translated(grown.width(), 0));   // follows the right
    EXPECT_EQ(at(less), before[2].translated(0, grown.height()));  // follows the bottom
    EXPECT_EQ(at(m_window.KeywordList()), before[3].translated(0, grown.height()));
    EXPECT_EQ(at(m_window.RunButton()), before[4].translated(grown.width(), grown.height()));
    // Every text fits its control.
    for (QWidget* control : m_window.findChildren<QWidget*>()) {
        if (control->isVisible() && control->parentWidget() == &m_window) {
            EXPECT_GE(control->height(), control->fontMetrics().height())
                << control->objectName().toStdString();
        }
    }
}

TEST_F(ProgramWindowFixture, MenusHoldTheirItemsAndOpenUnderTheirLabels) {
    const auto texts = [](const QMenu& menu) {
        QStringList items;
        for (const QAction* action : menu.actions()) {
            items << action->text();
        }
        return items;
    };
    EXPECT_EQ(texts(m_window.ContextMenu()),
              (QStringList{"&Open", "&Save", "Save &As", "&Help", "&Close"}));
    EXPECT_EQ(texts(m_window.FileMenuLabel().Menu()),
              (QStringList{"&Open", "&Save", "Save &As", "&Close"}));
    EXPECT_EQ(texts(m_window.EditMenuLabel().Menu()),
              (QStringList{"&Undo \tCtrl+Z", "&Redo \tCtrl+Y", "Cu&t \tCtrl+X", "&Copy \tCtrl+C",
                           "&Paste \tCtrl+V", "Clear", "Select All", "Clear All"}));
    EXPECT_EQ(texts(m_window.HelpMenuLabel().Menu()), QStringList{"Help\tF1"});

    QTest::mouseClick(&m_window.EditMenuLabel(), Qt::LeftButton);
    QMenu& edit = m_window.EditMenuLabel().Menu();
    EXPECT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.pos(),
              m_window.EditMenuLabel().mapToGlobal(m_window.EditMenuLabel().rect().bottomLeft()));
    edit.hide();
    QTest::keyClick(&m_window.Editor(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(m_window.FileMenuLabel().Menu().isVisible());
    m_window.FileMenuLabel().Menu().hide();

    // F1 anywhere in the window opens the programming topic.
    QTest::keyClick(&m_window.Editor(), Qt::Key_F1);
    EXPECT_EQ(m_helpTopics, std::vector<std::string>{"ZykCalc.chm::/Programming.htm"});
    // Ctrl+Y redoes, from the editor or from a list.
    QTest::keyClicks(&m_window.Editor(), QStringLiteral("var"));
    QTest::keyClick(&m_window.Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_window.Editor().toPlainText(), QString());
    EXPECT_FALSE(m_window.Action(text::kIdUndo)->isEnabled());
    m_window.KeywordList().setFocus();
    QTest::keyClick(&m_window.KeywordList(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_window.Editor().toPlainText(), QStringLiteral("var"));
}

TEST_F(ProgramWindowFixture, ListsAndButtonsInsertAtTheCaret) {
    EXPECT_EQ(m_window.KeywordList().count(), 21);
    EXPECT_EQ(m_window.FunctionList().count(), 36);
    EXPECT_EQ(m_window.KeywordList().currentIndex(), -1);
    const struct {
        bool keywords;
        const char* entry;
        const char* inserted;
    } rows[] = {
        {true, "----- Declaration -----", ""}, {true, "var ", "var "},
        {true, "do while ", "do while "},      {false, "----- Statistic ----------", ""},
        {false, "log10(", "log10("},           {false, "std2(", "std2("},
    };
    for (const auto& row : rows) {
        m_window.Editor().clear();
        QComboBox& list = row.keywords ? m_window.KeywordList() : m_window.FunctionList();
        Choose(list, QString::fromUtf8(row.entry));
        EXPECT_EQ(m_window.Editor().toPlainText(), QString::fromUtf8(row.inserted)) << row.entry;
        EXPECT_EQ(list.currentIndex(), -1) << "no selection stays";
    }
    m_window.Editor().setPlainText(QStringLiteral("if (x  1) then"));
    for (const text::InsertButton& insert : text::kInsertButtons) {
        QTextCursor cursor = m_window.Editor().textCursor();
        cursor.setPosition(6);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        m_window.Editor().setTextCursor(cursor);
        m_window.FunctionList().setFocus();
        QTest::mouseClick(m_window.InsertButton(insert.id), Qt::LeftButton);
        const QString expected = QStringLiteral("if (x ") +
                                 QString::fromUtf8(insert.text.data(), insert.text.size()) +
                                 QStringLiteral("1) then");
        EXPECT_EQ(m_window.Editor().toPlainText(), expected);
        EXPECT_TRUE(m_window.Editor().hasFocus());
        m_window.Editor().undo();
    }
}

TEST_F(ProgramWindowFixture, FilesAreWrittenWithCrLfAndReadBackWhole) {
    // Save without a current file asks where to save, then whether to create the file.
    m_window.Editor().setPlainText(QStringLiteral("var x\nx = 2\nprint x"));
    m_dialogs.saveAnswer = FilePath(QStringLiteral("three.bas"));
    m_messages.answer = MessageAnswer::No;
    m_window.Save();
    EXPECT_FALSE(QFile::exists(m_dialogs.saveAnswer));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].caption, "Save basic file");
    EXPECT_NE(m_messages.shown[0].text.find("Do you want to create it?"), std::string::npos);
    EXPECT_TRUE(m_window.CurrentFile().isEmpty());
    m_messages.answer = MessageAnswer::Yes;
    m_window.Save();
    EXPECT_EQ(FileBytes(m_dialogs.saveAnswer), "var x\r\nx = 2\r\nprint x\r\n");
    EXPECT_EQ(m_window.CurrentFile(), m_dialogs.saveAnswer);
    const FileDialogRequest& request = m_dialogs.asked.back();
    EXPECT_EQ(request.title, QStringLiteral("Save basic file"));
    EXPECT_EQ(request.filter, QStringLiteral("Basic files (*.bas)"));
    EXPECT_EQ(request.folder, m_files.path());
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bas"));

    // Save writes the current file without a question; the file's lines come back in the editor
    // each followed by a line break.
    m_window.Editor().appendPlainText(QStringLiteral("print \"\u00B2\""));
    m_window.Save();
    EXPECT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(FileBytes(m_dialogs.saveAnswer), "var x\r\nx = 2\r\nprint x\r\nprint \"\xB2\"\r\n");
    m_window.Editor().clear();
    m_dialogs.openAnswer = m_dialogs.saveAnswer;
    m_window.Open();
    EXPECT_EQ(m_window.Editor().toPlainText(),
              QStringLiteral("var x\nx = 2\nprint x\nprint \"\u00B2\"\n"));
    EXPECT_EQ(m_dialogs.asked.back().title, QStringLiteral("Open basic file"));
    m_window.Save();
    EXPECT_EQ(FileBytes(m_dialogs.saveAnswer),
              "var x\r\nx = 2\r\nprint x\r\nprint \"\xB2\"\r\n");  // unchanged by the round trip
    m_window.Editor().undo();
    EXPECT_TRUE(m_window.Editor().toPlainText().isEmpty()) << "opening a file is one undo step";
}

// The calculator names its Programs folder before it exists: the dialogs start in it, made.
TEST_F(ProgramWindowFixture, TheDialogsStartInTheProgramsFolderOnceItIsMade) {
    const QString folder = FilePath(QStringLiteral("Programs"));
    m_store.WriteText("Folders", "Programs", folder.toStdString());
    m_window.Open();
    ASSERT_EQ(m_dialogs.asked.size(), 1u);
    EXPECT_EQ(m_dialogs.asked[0].folder, folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    m_store.WriteText("Folders", "Programs", FilePath(QStringLiteral("three.bas/x")).toStdString());
    Write(QStringLiteral("three.bas"), "print 3");  // a file where the folder would be
    m_window.Open();
    EXPECT_EQ(m_dialogs.asked[1].folder, QString());
    EXPECT_TRUE(m_window.Editor().toPlainText().isEmpty()) << "cancelled: nothing opened";
}

TEST_F(ProgramWindowFixture, AFileThatCannotBeReadOrWrittenLeavesEverythingAsItWas) {
    m_window.Editor().setPlainText(QStringLiteral("print 1"));
    const struct {
        QString openPath;
        QString savePath;
        const char* editorText;
        const char* message;
    } rows[] = {
        {FilePath(QStringLiteral("missing.bas")), {}, "print 1", "Can't read the program file:"},
        {m_files.path(), {}, "print 1", "Can't read the program file:"},
        {{}, FilePath(QStringLiteral("no/folder.bas")), "print 1", "Can't save the program file:"},
        {{},
         FilePath(QStringLiteral("han.bas")),
         "print \"\u4E2D\"",
         "A program file cannot hold the character U+4E2D (line 1)."},
    };
    for (const auto& row : rows) {
        m_messages.shown.clear();
        m_messages.answer = MessageAnswer::Yes;
        m_window.Editor().setPlainText(QString::fromUtf8(row.editorText));
        if (!row.openPath.isEmpty()) {
            m_dialogs.openAnswer = row.openPath;
            m_window.Open();
        } else {
            m_dialogs.saveAnswer = row.savePath;
            m_window.SaveAs();
            EXPECT_FALSE(QFile::exists(row.savePath));
        }
        EXPECT_EQ(m_window.Editor().toPlainText(), QString::fromUtf8(row.editorText));
        ASSERT_FALSE(m_messages.shown.empty()) << row.message;
        EXPECT_EQ(m_messages.shown.back().text.rfind(row.message, 0), 0u)
            << m_messages.shown.back().text << " / " << row.message;
        EXPECT_EQ(m_messages.shown.back().icon, MessageIcon::Warning);
        EXPECT_TRUE(m_window.CurrentFile().isEmpty());
    }
}

TEST_F(ProgramWindowFixture, RunPutsTheCalculatorInProgramModeAndEscStopsAComputingProgram) {
    m_window.Editor().setPlainText(QStringLiteral("var i\ndo while (1 = 1)\ni = i+1\nloop\n"));
    QTest::mouseClick(&m_window.RunButton(), Qt::LeftButton);
    EXPECT_EQ(m_calculator.GetExeMode(), ExeMode::Program);
    EXPECT_TRUE(m_window.Runner().IsComputing());
    QTest::qWait(30);  // slices run while the events are processed
    EXPECT_TRUE(m_window.Runner().IsComputing());
    EXPECT_GT(m_window.Runner().Interpreter().ExecutedLines(), 10u);

    QTest::keyClick(&m_window.Editor(), Qt::Key_Escape);
    EXPECT_FALSE(m_window.Runner().IsComputing());
    EXPECT_TRUE(m_window.isVisible()) << "Esc stopped the program instead of hiding the window";
    const std::string& result = m_calculator.ResultText();
    EXPECT_EQ(result.rfind(" ]  Program stopped!"), result.size() - 20) << result;
    EXPECT_EQ(m_window.Editor().textCursor().selectedText(),
              m_window.Editor().Lines()[m_window.Runner().Interpreter().FailedLine()]);
    QTest::keyClick(&m_window.Editor(), Qt::Key_Escape);
    EXPECT_FALSE(m_window.isVisible());
}

}  // namespace
}  // namespace zyk
