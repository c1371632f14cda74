#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "program/ProgramConsole.h"
#include "program/ProgramRunner.h"
#include "shell/DialogUnits.h"
#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"
#include "shell/ui/DialogUnitMapper.h"

class QComboBox;
class QLabel;
class QMenu;

namespace zyk {

class CCodeEdit;
class CMenuLabel;
class CProgramRunDriver;
class CSchemeWindowColors;
class CSkinButton;
class ProgramFileDialogs;

// What the programming window is made with.
struct ProgramWindowContext {
    SettingsStore& store;
    ProgramConsole& console;           // the calculator: display lines, evaluator, program mode
    UserMessages* messages = nullptr;  // nullptr: message boxes owned by the window
    ProgramFileDialogs* fileDialogs = nullptr;             // nullptr: Qt's file dialogs
    std::function<void(std::string_view topic)> openHelp;  // empty: Help does nothing
};

// "Programming": the code editor, the insert buttons and lists, Run, the File / Edit / Help
// label menus and the right-click menu, over a ProgramRunner that is the calculator's program
// host. Program files are read and written whole; a run goes in time slices from the event
// loop, so the window (and the calculator) keep painting and AC stops a runaway program.
// Resizable, never below its design size; Esc and the close box hide it.
class CProgramDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 227;
    static constexpr int kHeightUnits = 191;

    explicit CProgramDlg(const ProgramWindowContext& context, QWidget* parent = nullptr);
    ~CProgramDlg() override;

    // The calculator's program host (EXE, AC and CLR in program mode).
    ProgramHost& Host() { return m_runner; }
    const ProgramRunner& Runner() const { return m_runner; }

    // Commands of the menus and buttons.
    void Open();
    void Save();
    void SaveAs();
    void Run();
    void ShowHelp();
    // The main window's "Get Program...": a file chosen, read into the editor and run, the
    // window left as it is.
    void GetProgram();

    // Reads a program file into the editor and makes it the current file; false (with a
    // message, the editor unchanged) when it cannot be read.
    bool OpenFile(const QString& path);
    // Writes the editor's lines to the file and makes it the current file; false (with a
    // message) when it cannot be written.
    bool SaveFile(const QString& path);
    const QString& CurrentFile() const { return m_currentFile; }

    // The calculator handed EXE or AC to the program: its next steps are run.
    void DriveProgram();

    CCodeEdit& Editor() { return *m_editor; }
    QComboBox& KeywordList() { return *m_keywords; }
    QComboBox& FunctionList() { return *m_functions; }
    CSkinButton& RunButton() { return *m_run; }
    // By control id (1153-1162); nullptr for another id.
    CSkinButton* InsertButton(int id) const;
    CMenuLabel& FileMenuLabel() { return *m_fileLabel; }
    CMenuLabel& EditMenuLabel() { return *m_editLabel; }
    CMenuLabel& HelpMenuLabel() { return *m_helpLabel; }
    QMenu& ContextMenu() { return *m_contextMenu; }
    // The menu item of a command id, in the label menus (nullptr when none).
    QAction* Action(int commandId) const;

signals:
    // The calculator's display may have changed through the program.
    void DisplayChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    // How a control follows the window's size.
    enum class Anchor { Stay, Grow, Bottom, RightBottom, Right };
    struct Placement {
        QWidget* control;
        UnitRect rect;
        Anchor anchor;
    };

    void BuildMenus();
    void BuildControls();
    void Place(QWidget& control, const UnitRect& rect, Anchor anchor);
    void ListChosen(QComboBox& list, int index);
    void InsertClicked(const QString& text);
    QString ProgramsFolder() const;
    void ShowFileProblem(std::string_view intro, const QString& path, const QString& reason);
    void UpdateEditActions();

    SettingsStore& m_store;
    std::unique_ptr<UserMessages> m_ownMessages;
    UserMessages* m_messages;
    std::unique_ptr<ProgramFileDialogs> m_ownFileDialogs;
    ProgramFileDialogs* m_fileDialogs;
    std::function<void(std::string_view)> m_openHelp;

    CCodeEdit* m_editor;
    ProgramRunner m_runner;
    CProgramRunDriver* m_driver;
    CSchemeWindowColors* m_colours;
    DialogUnitMapper m_units;
    std::vector<Placement> m_placements;

    QComboBox* m_keywords = nullptr;
    QComboBox* m_functions = nullptr;
    CSkinButton* m_run = nullptr;
    std::vector<CSkinButton*> m_insertButtons;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_contextMenu = nullptr;
    CMenuLabel* m_fileLabel = nullptr;
    CMenuLabel* m_editLabel = nullptr;
    CMenuLabel* m_helpLabel = nullptr;

    QString m_currentFile;
};

}  // namespace zyk
