#include "program/ui/CProgramDlg.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "charset/Windows1252.h"
#include "program/ProgramFile.h"
#include "program/ui/CCodeEdit.h"
#include "program/ui/CMenuLabel.h"
#include "program/ui/CProgramRunDriver.h"
#include "program/ui/ProgramWindowText.h"
#include "program/ui/QtProgramFileDialogs.h"
#include "shell/HelpTopics.h"
#include "shell/SettingsKeys.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/QtUserMessages.h"

namespace zyk {
namespace {

namespace text = program_window_text;

// Enough rows that the keyword list needs no scroll bar.
constexpr int kVisibleListRows = 21;
// Run without reaching for the mouse (not one of the window's documented shortcuts).
constexpr auto kRunShortcut = Qt::Key_F5;

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

struct EditShortcut {
    int id;
    QKeySequence keys;
};
const EditShortcut kEditShortcuts[] = {
    {text::kIdUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {text::kIdRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
    {text::kIdCut, QKeySequence(Qt::CTRL | Qt::Key_X)},
    {text::kIdCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
    {text::kIdPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
    {text::kIdSelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
    {text::kIdHelp, QKeySequence(Qt::Key_F1)},
};

}  // namespace

CProgramDlg::CProgramDlg(const ProgramWindowContext& context, QWidget* parent)
    : QDialog(parent),
      m_store(context.store),
      m_openHelp(context.openHelp),
      m_editor(new CCodeEdit(this)),
      m_runner(context.console, *m_editor),
      m_driver(new CProgramRunDriver(m_runner, this)),
      m_colours(new CSchemeWindowColors(*this, context.store)),
      m_units(ArialDialogFont()) {
    if (context.messages != nullptr) {
        m_messages = context.messages;
    } else {
        m_ownMessages = std::make_unique<QtUserMessages>(this);
        m_messages = m_ownMessages.get();
    }
    if (context.fileDialogs != nullptr) {
        m_fileDialogs = context.fileDialogs;
    } else {
        m_ownFileDialogs = std::make_unique<QtProgramFileDialogs>();
        m_fileDialogs = m_ownFileDialogs.get();
    }

    setWindowTitle(DialogText(text::kTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setFont(ArialDialogFont());
    setSizeGripEnabled(true);
    const QSize design = m_units.ToPixels(kWidthUnits, kHeightUnits);
    setMinimumSize(design);
    resize(design);

    BuildMenus();
    BuildControls();
    m_colours->Exclude(*m_editor);
    // A right click anywhere, the editor included, opens the window's own menu.
    m_editor->setContextMenuPolicy(Qt::NoContextMenu);

    connect(m_driver, &CProgramRunDriver::DisplayChanged, this, &CProgramDlg::DisplayChanged);
    auto* run = new QShortcut(QKeySequence(kRunShortcut), this);
    connect(run, &QShortcut::activated, this, &CProgramDlg::Run);
}

CProgramDlg::~CProgramDlg() = default;

// ---- Building -----------------------------------------------------------------------------------

void CProgramDlg::BuildMenus() {
    const auto makeAction = [this](const text::MenuItem& item) {
        auto* action = new QAction(DialogText(item.text), this);
        action->setData(item.id);
        return action;
    };
    std::vector<std::pair<int, QAction*>> actions;
    m_fileMenu = new QMenu(this);
    for (const text::MenuItem& item : text::kFileMenuItems) {
        QAction* action = makeAction(item);
        m_fileMenu->addAction(action);
        actions.emplace_back(item.id, action);
    }
    m_editMenu = new QMenu(this);
    for (const text::MenuItem& item : text::kEditMenuItems) {
        QAction* action = makeAction(item);
        m_editMenu->addAction(action);
        actions.emplace_back(item.id, action);
    }
    m_helpMenu = new QMenu(this);
    for (const text::MenuItem& item : text::kHelpMenuItems) {
        QAction* action = makeAction(item);
        m_helpMenu->addAction(action);
        actions.emplace_back(item.id, action);
    }
    m_contextMenu = new QMenu(DialogText(text::kTitle), this);
    for (const text::MenuItem& item : text::kContextMenu) {
        QAction* action = makeAction(item);
        m_contextMenu->addAction(action);
        actions.emplace_back(item.id, action);
    }

    for (const auto& [id, action] : actions) {
        switch (id) {
            case text::kIdOpen:
                connect(action, &QAction::triggered, this, &CProgramDlg::Open);
                break;
            case text::kIdSave:
                connect(action, &QAction::triggered, this, &CProgramDlg::Save);
                break;
            case text::kIdSaveAs:
                connect(action, &QAction::triggered, this, &CProgramDlg::SaveAs);
                break;
            case text::kIdClose:
                connect(action, &QAction::triggered, this, &CProgramDlg::hide);
                break;
            case text::kIdHelp:
                connect(action, &QAction::triggered, this, &CProgramDlg::ShowHelp);
                break;
            case text::kIdUndo:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::undo);
                break;
            case text::kIdRedo:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::redo);
                break;
            case text::kIdCut:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::cut);
                break;
            case text::kIdCopy:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::copy);
                break;
            case text::kIdPaste:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::paste);
                break;
            case text::kIdClear:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::ClearSelected);
                break;
            case text::kIdSelectAll:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::selectAll);
                break;
            case text::kIdClearAll:
                connect(action, &QAction::triggered, m_editor, &CCodeEdit::ClearAll);
                break;
            default:
                break;
        }
    }
    // The window's shortcuts work wherever the focus is in it.
    for (const EditShortcut& shortcut : kEditShortcuts) {
        if (QAction* action = Action(shortcut.id)) {
            action->setShortcut(shortcut.keys);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
    }
    connect(m_editor, &CCodeEdit::undoAvailable, this, &CProgramDlg::UpdateEditActions);
    connect(m_editor, &CCodeEdit::redoAvailable, this, &CProgramDlg::UpdateEditActions);
    connect(m_editor, &CCodeEdit::copyAvailable, this, &CProgramDlg::UpdateEditActions);
    UpdateEditActions();
}

void CProgramDlg::BuildControls() {
    m_editor->setObjectName(QString::number(text::kIdcEditor));
    Place(*m_editor, {10, 20, 207, 114}, Anchor::Grow);

    int x = 11;
    for (const text::InsertButton& insert : text::kInsertButtons) {
        auto* button = new CSkinButton(DialogText(insert.text), this);
        button->setObjectName(QString::number(insert.id));
        button->setFocusPolicy(Qt::NoFocus);
        m_colours->AssignButton(*button, kInsertLook);
        const QString inserted = DialogText(insert.text);
        connect(button, &CSkinButton::clicked, this, [this, inserted] { InsertClicked(inserted); });
        Place(*button, {x, 140, 16, 11}, Anchor::Bottom);
        m_insertButtons.push_back(button);
        x += 18;
    }

    auto* keyWords = new QLabel(DialogText(text::kKeyWords), this);
    keyWords->setObjectName(QString::number(text::kIdcKeyWordsLabel));
    Place(*keyWords, {13, 155, 47, 8}, Anchor::Bottom);
    auto* functions = new QLabel(DialogText(text::kFunctions), this);
    functions->setObjectName(QString::number(text::kIdcFunctionsLabel));
    Place(*functions, {93, 155, 45, 8}, Anchor::Bottom);

    const auto makeList = [this](int id, const auto& entries, int x) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::number(id));
        for (const std::string_view entry : entries) {
            list->addItem(DialogText(entry));
        }
        list->setMaxVisibleItems(kVisibleListRows);
        list->setCurrentIndex(-1);
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { ListChosen(*list, index); });
        Place(*list, {x, 165, 76, 94}, Anchor::Bottom);
        return list;
    };
    m_keywords = makeList(text::kIdcKeywordList, text::kKeywordEntries, 13);
    m_functions = makeList(text::kIdcFunctionList, text::kFunctionEntries, 93);

    m_run = new CSkinButton(DialogText(text::kRun), this);
    m_run->setObjectName(QString::number(text::kIdcRun));
    m_run->setFocusPolicy(Qt::NoFocus);
    m_colours->AssignButton(*m_run, kActionLook);
    connect(m_run, &CSkinButton::clicked, this, &CProgramDlg::Run);
    Place(*m_run, {176, 167, 41, 14}, Anchor::RightBottom);

    m_fileLabel = new CMenuLabel(DialogText(text::kFileMenu), *m_fileMenu, this);
    m_fileLabel->setObjectName(QString::number(text::kIdcFileMenu));
    Place(*m_fileLabel, {10, 10, 17, 9}, Anchor::Stay);
    m_editLabel = new CMenuLabel(DialogText(text::kEditMenu), *m_editMenu, this);
    m_editLabel->setObjectName(QString::number(text::kIdcEditMenu));
    Place(*m_editLabel, {30, 10, 19, 9}, Anchor::Stay);
    m_helpLabel = new CMenuLabel(DialogText(text::kHelpMenu), *m_helpMenu, this);
    m_helpLabel->setObjectName(QString::number(text::kIdcHelpMenu));
    Place(*m_helpLabel, {193, 10, 19, 9}, Anchor::Right);

    m_editor->setFocus();
}

void CProgramDlg::Place(QWidget& control, const UnitRect& rect, Anchor anchor) {
    m_placements.push_back(Placement{&control, rect, anchor});
}

void CProgramDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize design = minimumSize();
    const int dx = std::max(0, width() - design.width());
    const int dy = std::max(0, height() - design.height());
    for (const Placement& placement : m_placements) {
        QRect area = m_units.ToPixels(placement.rect.x, placement.rect.y, placement.rect.width,
                                      placement.rect.height);
        if (qobject_cast<QComboBox*>(placement.control) != nullptr) {
            // A drop-down list's design height is that of its open list.
            area.setHeight(placement.control->sizeHint().height());
        }
        switch (placement.anchor) {
            case Anchor::Stay:
                break;
            case Anchor::Grow:
                area.setSize(area.size() + QSize(dx, dy));
                break;
            case Anchor::Bottom:
                area.translate(0, dy);
                break;
            case Anchor::RightBottom:
                area.translate(dx, dy);
                break;
            case Anchor::Right:
                area.translate(dx, 0);
                break;
        }
        placement.control->setGeometry(area);
    }
}

QAction* CProgramDlg::Action(int commandId) const {
    for (const QMenu* menu : {m_fileMenu, m_editMenu, m_helpMenu}) {
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == commandId) {
                return action;
            }
        }
    }
    return nullptr;
}

CSkinButton* CProgramDlg::InsertButton(int id) const {
    for (CSkinButton* button : m_insertButtons) {
        if (button->objectName() == QString::number(id)) {
            return button;
        }
    }
    return nullptr;
}

void CProgramDlg::UpdateEditActions() {
    const bool selection = m_editor->textCursor().hasSelection();
    Action(text::kIdUndo)->setEnabled(m_editor->document()->isUndoAvailable());
    Action(text::kIdRedo)->setEnabled(m_editor->document()->isRedoAvailable());
    Action(text::kIdCut)->setEnabled(selection);
    Action(text::kIdCopy)->setEnabled(selection);
    Action(text::kIdClear)->setEnabled(selection);
}

// ---- Inserting ----------------------------------------------------------------------------------

void CProgramDlg::ListChosen(QComboBox& list, int index) {
    const QString entry = list.itemText(index);
    if (!entry.startsWith(QLatin1Char(text::kHeadingMark))) {
        m_editor->InsertAtCaret(entry);
        m_editor->setFocus();
    }
    list.setCurrentIndex(-1);
}

void CProgramDlg::InsertClicked(const QString& inserted) {
    m_editor->InsertAtCaret(inserted);
    m_editor->setFocus();
}

// ---- Files --------------------------------------------------------------------------------------

QString CProgramDlg::ProgramsFolder() const {
    const QString folder = DialogText(m_store.Read(settings::kFoldersPrograms));
    // The calculator names its own Programs folder before it exists; a dialog starts in it once
    // it has been made.
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return folder;
}

void CProgramDlg::Open() {
    const QString path = m_fileDialogs->ChooseFileToOpen(
        this, {DialogText(text::kOpenTitle), DialogText(text::kWindowFilter), ProgramsFolder(),
               DialogText(text::kDefaultSuffix)});
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

void CProgramDlg::GetProgram() {
    QWidget* owner = isVisible() ? static_cast<QWidget*>(this) : parentWidget();
    const QString path = m_fileDialogs->ChooseFileToOpen(
        owner, {DialogText(text::kOpenTitle), DialogText(text::kGetProgramFilter), ProgramsFolder(),
                DialogText(text::kDefaultSuffix)});
    if (!path.isEmpty() && OpenFile(path)) {
        Run();
    }
}

void CProgramDlg::Save() {
    if (m_currentFile.isEmpty()) {
        SaveAs();
        return;
    }
    SaveFile(m_currentFile);
}

void CProgramDlg::SaveAs() {
    const QString path = m_fileDialogs->ChooseFileToSave(
        this, {DialogText(text::kSaveTitle), DialogText(text::kWindowFilter), ProgramsFolder(),
               DialogText(text::kDefaultSuffix)});
    if (path.isEmpty()) {
        return;
    }
    if (!QFileInfo::exists(path)) {
        const std::optional<std::string> name = FromQString(QDir::toNativeSeparators(path));
        const std::string question =
            name.value_or(std::string()) + std::string(text::kCreatePrompt);
        if (m_messages->ShowMessage(question, text::kSaveTitle, MessageIcon::Question,
                                    MessageButtons::YesNo) != MessageAnswer::Yes) {
            return;
        }
    }
    SaveFile(path);
}

bool CProgramDlg::OpenFile(const QString& path) {
    std::vector<std::string> lines;
    if (const std::error_code error = ProgramFile::Read(ToPath(path), lines)) {
        ShowFileProblem(text::kCannotRead, path, QString::fromStdString(error.message()));
        return false;
    }
    QString program;
    for (const std::string& line : lines) {
        program += ToQString(line);
        program += QLatin1Char('\n');
    }
    m_editor->ReplaceText(program);
    m_currentFile = path;
    return true;
}

bool CProgramDlg::SaveFile(const QString& path) {
    std::vector<std::string> lines;
    const QStringList editorLines = m_editor->Lines();
    lines.reserve(static_cast<std::size_t>(editorLines.size()));
    for (int index = 0; index < editorLines.size(); ++index) {
        std::optional<std::string> bytes = FromQString(editorLines[index]);
        if (!bytes) {
            // Named by its code point: the message box speaks Windows-1252 too.
            char32_t unstorable = U'?';
            for (const char32_t c : editorLines[index].toStdU32String()) {
                if (!windows1252::FromUnicode(c)) {
                    unstorable = c;
                    break;
                }
            }
            const QString message =
                DialogText(text::kUnstorableCharacter)
                    .arg(QStringLiteral("U+%1")
                             .arg(static_cast<unsigned>(unstorable), 4, 16, QLatin1Char('0'))
                             .toUpper())
                    .arg(index + 1);
            m_messages->ShowMessage(FromQString(message).value_or(std::string()), {},
                                    MessageIcon::Warning, MessageButtons::Ok);
            return false;
        }
        lines.push_back(std::move(*bytes));
    }
    if (const std::error_code error = ProgramFile::Write(ToPath(path), lines)) {
        ShowFileProblem(text::kCannotWrite, path, QString::fromStdString(error.message()));
        return false;
    }
    m_currentFile = path;
    return true;
}

void CProgramDlg::ShowFileProblem(std::string_view intro, const QString& path,
                                  const QString& reason) {
    const QString message = QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason;
    std::string text(intro);
    text += FromQString(message).value_or(std::string());
    m_messages->ShowMessage(text, {}, MessageIcon::Warning, MessageButtons::Ok);
}

// ---- Running ------------------------------------------------------------------------------------

void CProgramDlg::Run() {
    m_runner.Start();
    emit DisplayChanged();
    m_driver->Wake();
    // EXE and the keypad answer the program: the calculator comes to the front and takes the
    // keyboard.
    if (parentWidget() != nullptr && parentWidget()->isVisible()) {
        parentWidget()->raise();
        parentWidget()->activateWindow();
    }
}

void CProgramDlg::DriveProgram() {
    m_driver->Wake();
}

void CProgramDlg::reject() {
    // Esc while a program computes stops it; otherwise it hides the window.
    if (m_runner.IsComputing()) {
        m_runner.Break();
        emit DisplayChanged();
        m_driver->Wake();
        return;
    }
    QDialog::reject();
}

void CProgramDlg::ShowHelp() {
    if (m_openHelp) {
        m_openHelp(kHelpProgramming);
    }
}

void CProgramDlg::contextMenuEvent(QContextMenuEvent* event) {
    m_contextMenu->popup(event->globalPos());
    event->accept();
}

}  // namespace zyk
