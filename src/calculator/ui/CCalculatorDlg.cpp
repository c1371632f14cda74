#include "calculator/ui/CCalculatorDlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "calculator/Calculator.h"
#include "calculator/ClipboardText.h"
#include "calculator/KeypadTable.h"
#include "calculator/ui/CCalculatorDisplay.h"
#include "calculator/ui/CExpressionEdit.h"
#include "calculator/ui/CKeypad.h"
#include "calculator/ui/CalculatorMenus.h"
#include "calculator/ui/CalculatorWindowText.h"
#include "formulas/ui/CGetFormulaDlg.h"
#include "formulas/ui/FormulaNameMessages.h"
#include "shell/ColourScheme.h"
#include "shell/HelpTopics.h"
#include "shell/SettingsKeys.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/CWindowPositionKeeper.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/QtUserMessages.h"

namespace zyk {
namespace {

constexpr int kWindowMargin = 10;
constexpr int kDisplayGap = 8;

// Qt's positions are ints and never negative in practice; the core's are sizes.
std::size_t Position(int qtPosition) {
    return qtPosition < 0 ? 0 : static_cast<std::size_t>(qtPosition);
}

constexpr ToolWindowKind ToolFor(ViewEffect effect) {
    switch (effect) {
        case ViewEffect::ToggleConstants:
            return ToolWindowKind::Constants;
        case ViewEffect::ToggleStatistics:
            return ToolWindowKind::Statistics;
        case ViewEffect::ToggleProgramming:
            return ToolWindowKind::Programming;
        default:
            return ToolWindowKind::Converter;
    }
}

constexpr CalculatorCommand CommandFor(ToolWindowKind kind) {
    switch (kind) {
        case ToolWindowKind::Converter:
            return CalculatorCommand::Converter;
        case ToolWindowKind::Constants:
            return CalculatorCommand::Constants;
        case ToolWindowKind::Statistics:
            return CalculatorCommand::Statistics;
        case ToolWindowKind::Programming:
            return CalculatorCommand::Programming;
    }
    return CalculatorCommand::Converter;
}

}  // namespace

CCalculatorDlg::CCalculatorDlg(const CalculatorWindowContext& context, QWidget* parent)
    : QDialog(parent), m_store(context.store), m_resources(context.resources) {
    if (context.messages != nullptr) {
        m_messages = context.messages;
    } else {
        m_ownDialogs = std::make_unique<QtUserMessages>(this);
        m_ownMessages = std::make_unique<FormulaNameMessages>(*m_ownDialogs, m_store, this);
        m_messages = m_ownMessages.get();
    }
    m_calculator = std::make_unique<Calculator>(m_store, *m_messages, context.programFolder);
    const CalculatorSettings& settings = m_calculator->Settings();

    setWindowTitle(ToQString(calculator_window_text::kWindowTitle, false));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_display = new CCalculatorDisplay(ToQString(settings.displayFont, false), this);
    const QFont keyFont(ToQString(settings.viewFont, false), settings.viewFontSize);
    m_keypad = new CKeypad(keyFont, settings.viewFontSize - settings.fontOffset, this);

    CalculatorMenus::Handlers handlers;
    handlers.command = [this](CalculatorCommand command) { Execute(command); };
    handlers.constant = [this](std::string_view symbol) {
        m_calculator->ChooseConstant(symbol);
        UpdateDisplay();
    };
    handlers.memory = [this](int digit) {
        m_calculator->ChooseMemory(digit);
        UpdateDisplay();
    };
    handlers.variable = [this](char letter) {
        m_calculator->ChooseVariable(letter);
        UpdateDisplay();
    };
    m_menus = new CalculatorMenus(*this, std::move(handlers));
    m_menus->MainMenu().setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(&m_menus->MainMenu());
    layout->setContentsMargins(kWindowMargin, kWindowMargin, kWindowMargin, kWindowMargin);
    layout->setSpacing(kDisplayGap);
    layout->addWidget(m_display);
    layout->addWidget(m_keypad);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    CExpressionEdit& line = m_display->ExpressionLine();
    line.SetKeyHandler(
        [this](QKeyEvent& event) { HandleKey(event.key(), event.modifiers(), event.text()); });
    connect(&line, &CExpressionEdit::CaretPlaced, this,
            [this](int caret) { m_calculator->SetCaret(Position(caret)); });
    connect(&line, &CExpressionEdit::SelectionMade, this, [this](int anchor, int caret) {
        m_calculator->SetSelection(Position(anchor), Position(caret));
    });
    connect(&line, &CExpressionEdit::MenuRequested, this, &CCalculatorDlg::DisplayMenuRequested);
    connect(m_display, &CCalculatorDisplay::MenuRequested, this,
            &CCalculatorDlg::DisplayMenuRequested);
    connect(m_keypad, &CKeypad::KeyClicked, this, &CCalculatorDlg::KeyClicked);

    m_toolWindows = new ToolWindowManager(m_store, *m_messages, this);
    ApplyColourScheme();
    UpdateMainMenu();
    UpdateDisplay();

    m_position = new CWindowPositionKeeper(*this, m_store, settings::kLeft, settings::kTop);
    m_position->Initialise();
}

CCalculatorDlg::~CCalculatorDlg() = default;

// ---- Commands -----------------------------------------------------------------------------------

void CCalculatorDlg::Execute(CalculatorCommand command) {
    const ViewEffect effect = m_calculator->Execute(command);
    UpdateDisplay();
    HandleEffect(effect, AnchorFor(command));
}

bool CCalculatorDlg::HandleKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const std::optional<KeyAction> action = m_shortcuts.Find(key, modifiers, text);
    if (!action) {
        return false;
    }
    if (action->command) {
        Execute(*action->command);
    } else {
        const ViewEffect effect = m_calculator->TypeLetter(action->variable);
        UpdateDisplay();
        HandleEffect(effect, nullptr);
    }
    return true;
}

void CCalculatorDlg::UpdateDisplay() {
    if (m_calculator->ConsumeRefusedInsertion()) {
        QApplication::beep();
    }
    m_display->Show(*m_calculator);
}

void CCalculatorDlg::InsertNumberText(std::string_view text) {
    m_calculator->InsertNumberText(text);
    UpdateDisplay();
}

void CCalculatorDlg::InsertFormulaWithValues(std::string_view text, double a, double b) {
    m_calculator->InsertFormulaWithValues(text, a, b);
    UpdateDisplay();
}

void CCalculatorDlg::InsertConstant(std::string_view symbol, std::string_view valueText) {
    m_calculator->InsertConstant(symbol, valueText);
    UpdateDisplay();
}

void CCalculatorDlg::KeyClicked(CalculatorCommand command) {
    const ViewEffect effect = m_calculator->Execute(command);
    UpdateDisplay();
    HandleEffect(effect, m_keypad->Button(command));
}

void CCalculatorDlg::PasteFromClipboard() {
    const clipboard::Paste paste =
        clipboard::ReadPaste(QGuiApplication::clipboard()->text().toStdString());
    if (!paste.problem.empty()) {
        m_messages->ShowMessage(paste.problem, "", MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    if (!paste.bytes.empty()) {
        m_calculator->TypeText(paste.bytes);
        UpdateDisplay();
    }
}

void CCalculatorDlg::HandleEffect(ViewEffect effect, QWidget* anchor) {
    if (QMenu* menu = m_menus->Prepare(effect, *m_calculator)) {
        PopupMenu(*menu, anchor);
        return;
    }
    switch (effect) {
        case ViewEffect::OpenFormulaLibrary:
            OpenFormulaLibrary();
            break;
        case ViewEffect::FocusExpressionLine:
            m_display->ExpressionLine().setFocus();
            break;
        case ViewEffect::ResumeProgram:
            emit ProgramStepRequested();
            break;
        case ViewEffect::ShowHelp:
            ShowHelp();
            break;
        case ViewEffect::CopyAnswerToClipboard:
            QGuiApplication::clipboard()->setText(
                QString::fromStdString(clipboard::AnswerText(m_calculator->PasteBuffer())));
            break;
        case ViewEffect::CopyExpressionToClipboard:
            QGuiApplication::clipboard()->setText(
                QString::fromStdString(clipboard::ExpressionText(m_calculator->PasteBuffer())));
            break;
        case ViewEffect::PasteFromClipboard:
            PasteFromClipboard();
            break;
        case ViewEffect::ToggleConverter:
        case ViewEffect::ToggleConstants:
        case ViewEffect::ToggleStatistics:
        case ViewEffect::ToggleProgramming:
            ToggleToolWindow(ToolFor(effect));
            break;
        case ViewEffect::GetProgram:
            RunHandler(m_getProgram);
            break;
        case ViewEffect::OpenOptions:
            RunHandler(m_options);
            break;
        case ViewEffect::ShowAbout:
            ShowAbout();
            break;
        case ViewEffect::Exit:
            close();
            break;
        default:
            break;
    }
}

QWidget* CCalculatorDlg::AnchorFor(CalculatorCommand command) const {
    return m_keypad->Button(command);
}

// ---- Menus and dialogs --------------------------------------------------------------------------

void CCalculatorDlg::PopupMenu(QMenu& menu, QWidget* anchor) {
    m_openMenu = &menu;
    const QPoint where = anchor != nullptr && anchor->isVisible()
                             ? anchor->mapToGlobal(QPoint(0, anchor->height()))
                             : QCursor::pos();
    menu.popup(where);
}

void CCalculatorDlg::DisplayMenuRequested(const QPoint& globalPosition) {
    const ViewEffect effect = m_calculator->IsFormulaMenuCurrent() ? ViewEffect::OpenFormulaMenu
                                                                   : ViewEffect::OpenDisplayMenu;
    if (QMenu* menu = m_menus->Prepare(effect, *m_calculator)) {
        m_openMenu = menu;
        menu->popup(globalPosition);
    }
}

QMenu* CCalculatorDlg::OpenMenu() const {
    return m_openMenu && m_openMenu->isVisible() ? m_openMenu.data() : nullptr;
}

QMenuBar& CCalculatorDlg::MainMenu() {
    return m_menus->MainMenu();
}

QAction* CCalculatorDlg::MainMenuAction(CalculatorCommand command) const {
    return m_menus->MainMenuAction(command);
}

void CCalculatorDlg::OpenFormulaLibrary() {
    // Made afresh each time, so the user formulas are read from their file again.
    auto* dialog = new CGetFormulaDlg(m_calculator->ProgramFolder(), *m_messages, m_store, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->Preset(m_calculator->FormulaForLibrary());
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        m_calculator->LoadFormula(dialog->Current());
        UpdateDisplay();
    });
    dialog->open();
}

void CCalculatorDlg::ShowHelp() {
    OpenHelpTopic(kHelpIntroduction);
}

void CCalculatorDlg::OpenHelpTopic(std::string_view topic) {
    if (!m_help) {
        m_help = new CHelpViewer(m_resources, this);
    }
    m_help->OpenTopic(topic);
}

void CCalculatorDlg::ShowAbout() {
    auto* about = new CAboutDlg(m_store, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

// ---- Tool windows, restart ----------------------------------------------------------------------

void CCalculatorDlg::AddToolWindow(ToolWindowKind kind, ToolWindowManager::Factory factory) {
    m_toolWindows->Register(kind, std::move(factory));
    UpdateMainMenu();
    if (!m_makingToolWindows) {
        m_makingToolWindows = true;
        AfterFirstPaint([this] { MakeNextToolWindow(); });
    }
}

QDialog* CCalculatorDlg::ToolWindow(ToolWindowKind kind) {
    QDialog* window = m_toolWindows->Made(kind);
    UpdateMainMenu();
    return window;
}

// One window per turn of the event loop, so that a click on the new window is not kept waiting
// for all of them.
void CCalculatorDlg::MakeNextToolWindow() {
    if (m_toolWindows->MakeNextPending()) {
        UpdateMainMenu();
        AfterFirstPaint([this] { MakeNextToolWindow(); });
    } else {
        m_makingToolWindows = false;
    }
}

void CCalculatorDlg::SetGetProgramHandler(std::function<void()> handler) {
    m_getProgram = std::move(handler);
    UpdateMainMenu();
}

void CCalculatorDlg::SetOptionsHandler(std::function<void()> handler) {
    m_options = std::move(handler);
    UpdateMainMenu();
}

void CCalculatorDlg::ToggleToolWindow(ToolWindowKind kind) {
    m_toolWindows->Toggle(kind);
    UpdateMainMenu();  // a window made just now may have failed
}

void CCalculatorDlg::RunHandler(const std::function<void()>& handler) {
    if (handler) {
        handler();
        UpdateDisplay();
    }
}

void CCalculatorDlg::UpdateMainMenu() {
    for (const ToolWindowInfo& info : kToolWindows) {
        if (QAction* action = m_menus->MainMenuAction(CommandFor(info.kind))) {
            action->setEnabled(m_toolWindows->IsAvailable(info.kind));
        }
    }
    if (QAction* action = m_menus->MainMenuAction(CalculatorCommand::GetProgram)) {
        action->setEnabled(static_cast<bool>(m_getProgram));
    }
    if (QAction* action = m_menus->MainMenuAction(CalculatorCommand::Options)) {
        action->setEnabled(static_cast<bool>(m_options));
    }
}

OptionsOutcome CCalculatorDlg::ApplyOptions(const OptionsChoice& choice) {
    const OptionsOutcome outcome = m_calculator->ApplyOptions(choice, ReadSchemeNumber(m_store));
    ApplyColourScheme();
    if (outcome.restart) {
        RequestRestart();
        return outcome;
    }
    const CalculatorSettings& settings = m_calculator->Settings();
    m_display->SetDisplayFont(ToQString(settings.displayFont, false));
    if (outcome.relayoutCaptions) {
        m_keypad->SetCaptionPoints(settings.viewFontSize - settings.fontOffset);
    }
    UpdateDisplay();
    return outcome;
}

void CCalculatorDlg::RequestRestart() {
    m_restartRequested = true;
    accept();
}

// ---- Colour scheme ------------------------------------------------------------------------------

void CCalculatorDlg::ApplyColourScheme() {
    const AppliedScheme applied = ApplyScheme(m_store, CurrentPlatformColours());
    m_scheme = applied.scheme;
    m_background.Load(applied, m_resources);
    m_display->SetBackground(ToQColor(applied.displayBackground));
    m_toolWindows->RepaintInitialised();
    update();
}

void CCalculatorDlg::FollowScheme() {
    if (ReadSchemeNumber(m_store) != m_scheme) {
        ApplyColourScheme();
    }
}

// ---- Events -------------------------------------------------------------------------------------

void CCalculatorDlg::keyPressEvent(QKeyEvent* event) {
    // Every key is the calculator's: Esc must not close the window, nor Enter press a button.
    HandleKey(event->key(), event->modifiers(), event->text());
    event->accept();
}

bool CCalculatorDlg::focusNextPrevChild(bool /*next*/) {
    // Tab is the Deg key.
    return false;
}

void CCalculatorDlg::paintEvent(QPaintEvent* /*event*/) {
    FollowScheme();
    QPainter painter(this);
    m_background.Paint(painter, rect());
    if (!m_painted) {
        m_painted = true;
        // The children paint and the picture reaches the screen before the timer fires.
        QTimer::singleShot(0, this, &CCalculatorDlg::RunAfterFirstPaint);
    }
}

void CCalculatorDlg::AfterFirstPaint(std::function<void()> task) {
    m_afterFirstPaint.push_back(std::move(task));
    if (m_painted && m_afterFirstPaint.size() == 1) {
        QTimer::singleShot(0, this, &CCalculatorDlg::RunAfterFirstPaint);
    }
}

void CCalculatorDlg::RunAfterFirstPaint() {
    // A task may queue another (or close the window): take the list first.
    std::vector<std::function<void()>> tasks;
    tasks.swap(m_afterFirstPaint);
    for (const auto& task : tasks) {
        task();
    }
}

void CCalculatorDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_display->ExpressionLine().setFocus();
}

}  // namespace zyk
