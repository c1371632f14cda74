#include "statistics/ui/CStatPage.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "shell/SettingsKeys.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CColorStatic.h"
#include "shell/ui/CContextHelpPopup.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/DialogUnitMapper.h"
#include "shell/ui/QtColors.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/ui/CPlatformFileDialogs.h"
#include "statistics/ui/CStatListModel.h"

namespace zyk {
namespace {

namespace text = statistics_text;

constexpr ColorRef kColouredLabel = Rgb(0, 80, 0);
constexpr ColorRef kFieldBackground = Rgb(60, 80, 100);
constexpr ColorRef kFieldText = Rgb(255, 255, 80);
constexpr ColorRef kListBrush = Rgb(80, 100, 120);
constexpr ColorRef kResultsText = Rgb(240, 240, 80);
constexpr ColorRef kEntriesText = Rgb(240, 200, 120);
constexpr ColorRef kPageFrame = Rgb(0, 0, 0);

int ControlId(const QWidget& widget) {
    bool ok = false;
    const int id = widget.objectName().toInt(&ok);
    return ok ? id : 0;
}

// "Data files (*.ssd)|*.ssd||" as a file dialog's filter, upper-case names matched too.
QString DialogFilter(std::string_view filter, std::string_view extension) {
    const std::string_view label = filter.substr(0, filter.find('|'));
    const QString lower = DialogText(extension).toLower();
    return DialogText(label.substr(0, label.find('('))) +
           QStringLiteral("(*.%1 *.%2)").arg(lower, lower.toUpper());
}

}  // namespace

CStatPage::CStatPage(const Layout& layout, StatisticsWindowContext& context, DataPage& core,
                     QWidget* parent)
    : COptionPage(DialogText(layout.title), QSize(kWidthUnits, kHeightUnits), parent),
      m_layout(layout),
      m_context(context),
      m_core(core) {
    setFont(SystemDialogFont());
}

CStatPage::~CStatPage() = default;

void CStatPage::OnInitPage() {
    const DialogUnitMapper units(font());
    m_colours = new CSchemeWindowColors(
        *this, m_context.store,
        CSchemeWindowColors::ControlColours{kFieldBackground, kFieldText, kListBrush, kResultsText,
                                            CSchemeWindowColors::ControlColours{}.staticText});

    auto* intro = new QLabel(DialogText(m_layout.intro), this);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units.Place(*intro, 9, 10, 168, 17);

    m_entryField = new CNumEdit(this);
    m_entryField->setObjectName(QString::number(m_layout.entryFieldId));
    units.Place(*m_entryField, m_layout.entryFieldX, 41, m_layout.entryFieldWidth, 12);
    BuildOwnControls(units);

    units.Place(*MakeButton(text::kAdd, m_layout.addId, kEditLook), 163, 40, 33, 13);
    units.Place(*MakeButton(text::kDelete, m_layout.deleteId, kEditLook), 163, 56, 33, 13);

    m_entryModel = new CStatListModel(
        [this] { return m_core.Count(); },
        [this](std::size_t row) -> const std::string& { return m_core.EntryText(row); }, this);
    m_resultsModel = new CStatListModel(
        [this] { return m_core.Results().size(); },
        [this](std::size_t row) -> const std::string& { return m_core.Results()[row]; }, this);
    m_entryList = MakeList(m_entryModel, m_layout.entryListId);
    units.Place(*m_entryList, 163, 77, 44, 83);
    m_resultsList = MakeList(m_resultsModel, m_layout.resultsListId);
    units.Place(*m_resultsList, 9, 62, 148, 98);
    connect(m_entryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CStatPage::EntrySelectionChanged);
    connect(m_resultsList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CStatPage::ResultSelectionChanged);

    units.Place(*MakeButton(text::kInsert, m_layout.insertId, kInsertLook), 9, 164, 26, 13);
    auto* hint = new QLabel(DialogText(m_layout.insertHint), this);
    units.Place(*hint, 39, 166, m_layout.insertHintWidth, 8);
    units.Place(*MakeButton(text::kCalculate, m_layout.calculateId, kActionLook), 122, 180, 49, 13);
    units.Place(*MakeButton(text::kClear, m_layout.clearId, kActionLook), 172, 180, 33, 13);
    CSkinButton* menuButton = MakeButton(text::kMenuButton, m_layout.menuButtonId, kMenuLook);
    units.Place(*menuButton, m_layout.menuButtonX, 10, 12, 13);

    connect(Button(m_layout.addId), &QPushButton::clicked, this,
            [this] { RunCommand(&CStatPage::AddCommand); });
    connect(Button(m_layout.deleteId), &QPushButton::clicked, this,
            [this] { RunCommand(&CStatPage::DeleteCommand); });
    connect(Button(m_layout.calculateId), &QPushButton::clicked, this,
            [this] { RunCommand(&CStatPage::CalculateCommand); });
    connect(Button(m_layout.clearId), &QPushButton::clicked, this,
            [this] { RunCommand(&CStatPage::ClearCommand); });
    connect(Button(m_layout.insertId), &QPushButton::clicked, this, [this] { InsertCommand(); });
    connect(menuButton, &QPushButton::clicked, this, [this, menuButton] {
        ShowPageMenu(menuButton->mapToGlobal(menuButton->rect().bottomRight()));
    });
    connect(m_entryField, &QLineEdit::textChanged, this, &CStatPage::EntryFieldEdited);

    Sync();
    FocusEntryField();
}

CSkinButton* CStatPage::MakeButton(std::string_view caption, int controlId, ButtonLook look) {
    auto* button = new CSkinButton(DialogText(caption), this);
    button->setObjectName(QString::number(controlId));
    // Enter belongs to Add wherever the focus is.
    button->setAutoDefault(false);
    m_colours->AssignButton(*button, look);
    return button;
}

QListView* CStatPage::MakeList(CStatListModel* model, int controlId) {
    auto* list = new QListView(this);
    list->setObjectName(QString::number(controlId));
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->viewport()->installEventFilter(this);
    return list;
}

QLabel* CStatPage::MakeColouredLabel(std::string_view caption, int controlId,
                                     Qt::Alignment alignment) {
    auto* label = new CColorStatic(DialogText(caption), this);
    label->setObjectName(QString::number(controlId));
    label->SetTextColour(kColouredLabel);
    label->SetTextLayout(alignment);
    return label;
}

CSkinButton* CStatPage::Button(int controlId) const {
    return findChild<CSkinButton*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
}

void CStatPage::FocusEntryField() {
    if (m_entryField != nullptr) {
        m_entryField->setFocus();
    }
}

void CStatPage::RunCommand(void (CStatPage::*command)()) {
    (this->*command)();
    Sync();
    FocusEntryField();
}

void CStatPage::DeleteCommand() {
    m_core.Delete();
}

void CStatPage::ClearCommand() {
    m_core.Clear();
}

void CStatPage::EntryFieldEdited(const QString& typed) {
    if (!IsInitialised()) {
        return;
    }
    m_core.SetField(FromQStringLossy(typed));
    Sync();
}

void CStatPage::EntrySelectionChanged() {
    const QModelIndexList rows = m_entryList->selectionModel()->selectedRows();
    m_core.SelectEntry(rows.isEmpty() ? std::nullopt
                                      : std::optional<std::size_t>(rows.front().row()));
    Sync();
    FocusEntryField();
}

void CStatPage::ResultSelectionChanged() {
    const QModelIndexList rows = m_resultsList->selectionModel()->selectedRows();
    m_core.SelectResult(rows.isEmpty() ? std::nullopt
                                       : std::optional<std::size_t>(rows.front().row()));
    Sync();
    FocusEntryField();
}

void CStatPage::Sync() {
    if (!IsCreated() || m_entryField == nullptr) {
        return;
    }
    const PageButtons& buttons = m_core.Buttons();
    Button(m_layout.addId)->setEnabled(buttons.add);
    Button(m_layout.deleteId)->setEnabled(buttons.remove);
    Button(m_layout.insertId)->setEnabled(buttons.insert);
    Button(m_layout.calculateId)->setEnabled(buttons.calculate);
    Button(m_layout.clearId)->setEnabled(buttons.clear);

    if (m_core.EntriesRevision() != m_entriesShown) {
        m_entriesShown = m_core.EntriesRevision();
        m_entryModel->Reload();
    }
    if (m_core.ResultsRevision() != m_resultsShown) {
        m_resultsShown = m_core.ResultsRevision();
        m_resultsModel->Reload();
    }
    for (const auto& [list, selected] : {std::pair{m_entryList, m_core.SelectedEntry()},
                                         std::pair{m_resultsList, m_core.SelectedResult()}}) {
        if (!selected && list->selectionModel()->hasSelection()) {
            const QSignalBlocker blocker(list->selectionModel());
            list->selectionModel()->clear();
            list->viewport()->update();
        }
    }
    if (FromQStringLossy(m_entryField->text()) != m_core.Field()) {
        const QSignalBlocker blocker(m_entryField);
        m_entryField->setText(DialogText(m_core.Field()));
    }
    SyncOwnControls();
}

// ---- Page menu and files --------------------------------------------------------------------

std::unique_ptr<QMenu> CStatPage::MakePageMenu() {
    auto menu = std::make_unique<QMenu>(DialogText(m_layout.menuTitle));
    const auto add = [&menu](std::string_view caption, int id) {
        QAction* action = menu->addAction(DialogText(caption));
        action->setData(id);
        return action;
    };
    connect(add(text::kMenuOpen, m_layout.menu.open), &QAction::triggered, this,
            &CStatPage::OpenFile);
    menu->addSeparator();
    QAction* save = add(text::kMenuSave, m_layout.menu.save);
    QAction* saveAs = add(text::kMenuSaveAs, m_layout.menu.saveAs);
    save->setEnabled(m_core.CanSave());
    saveAs->setEnabled(m_core.CanSave());
    connect(save, &QAction::triggered, this, &CStatPage::SaveFile);
    connect(saveAs, &QAction::triggered, this, &CStatPage::SaveFileAs);
    menu->addSeparator();
    connect(add(text::kMenuHelp, m_layout.menu.help), &QAction::triggered, this,
            &CStatPage::ShowHelp);
    menu->addSeparator();
    connect(add(text::kMenuClose, m_layout.menu.close), &QAction::triggered, this,
            [this] { window()->hide(); });
    return menu;
}

void CStatPage::ShowPageMenu(const QPoint& rightEdge) {
    const std::unique_ptr<QMenu> menu = MakePageMenu();
    menu->exec(rightEdge - QPoint(menu->sizeHint().width(), 0));
}

void CStatPage::OpenFile() {
    const DataFileDialogs::Request request = FileRequest(text::kOpenTitle);
    // The list goes before the dialog shows, so a cancelled Open leaves it empty.
    m_core.EmptyForOpen();
    Sync();
    const std::optional<QString> chosen = Dialogs().ChooseFileToOpen(window(), request);
    if (chosen) {
        m_core.Open(QFile::encodeName(*chosen).toStdString());
        Sync();
    }
    FocusEntryField();
}

void CStatPage::SaveFile() {
    if (!m_core.FilePath().empty() && !m_core.Save()) {
        ReportFailedSave();
    }
}

void CStatPage::SaveFileAs() {
    const std::optional<QString> chosen =
        Dialogs().ChooseFileToSave(window(), FileRequest(text::kSaveTitle));
    if (chosen && !m_core.SaveAs(QFile::encodeName(*chosen).toStdString())) {
        ReportFailedSave();
    }
}

void CStatPage::ReportFailedSave() {
    const QString path = QFile::decodeName(QByteArray::fromStdString(m_core.FilePath().string()));
    m_context.messages->ShowMessage(std::string(text::kSaveFailed) + FromQStringLossy(path), {},
                                    MessageIcon::Warning, MessageButtons::Ok);
}

void CStatPage::ShowHelp() {
    if (m_context.openHelpTopic) {
        m_context.openHelpTopic(text::kHelpTopic);
    }
}

QString CStatPage::DataFolder() const {
    const QString programFolder =
        QFile::decodeName(QByteArray::fromStdString(m_context.programFolder.string()));
    const std::string setting = m_context.store.Read(settings::kFoldersStatistical);
    const QString folder = setting.empty() ? programFolder : DialogText(setting);
    // The calculator names the folder before anything is in it: it is made when first needed.
    // One that cannot be made leaves the dialog in the program folder.
    return QFileInfo(folder).isDir() || QDir().mkpath(folder) ? folder : programFolder;
}

DataFileDialogs::Request CStatPage::FileRequest(std::string_view title) const {
    return DataFileDialogs::Request{DialogText(title), DataFolder(),
                                    DialogFilter(m_layout.fileFilter, m_layout.fileExtension),
                                    DialogText(m_layout.fileExtension).toLower()};
}

DataFileDialogs& CStatPage::Dialogs() {
    if (m_context.fileDialogs != nullptr) {
        return *m_context.fileDialogs;
    }
    if (!m_platformDialogs) {
        m_platformDialogs = std::make_unique<CPlatformFileDialogs>(*m_context.messages);
    }
    return *m_platformDialogs;
}

// ---- Keys, help, painting -------------------------------------------------------------------

QWidget* CStatPage::ShowContextHelp(QWidget* control, const QPoint& globalPosition) {
    // A list's viewport or a box's inner parts belong to the control that has the id.
    while (control != nullptr && control != this && ControlId(*control) == 0) {
        control = control->parentWidget();
    }
    if (control == nullptr || control == this) {
        return nullptr;
    }
    const std::string_view help = text::ControlHelpText(ControlId(*control));
    if (help.empty()) {
        return nullptr;
    }
    return ::zyk::ShowContextHelp(DialogText(help), globalPosition);
}

void CStatPage::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        RunCommand(&CStatPage::AddCommand);
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_F1) {
        // The control under the pointer, else the one with the focus.
        QWidget* pointed = QApplication::widgetAt(QCursor::pos());
        QWidget* control = pointed != nullptr && isAncestorOf(pointed) ? pointed : focusWidget();
        ShowContextHelp(control, QCursor::pos());
        event->accept();
        return;
    }
    COptionPage::keyPressEvent(event);
}

bool CStatPage::eventFilter(QObject* watched, QEvent* event) {
    // A right click on a list opens the page menu and leaves the selection alone.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        (watched == m_entryList->viewport() || watched == m_resultsList->viewport())) {
        return true;
    }
    return COptionPage::eventFilter(watched, event);
}

void CStatPage::contextMenuEvent(QContextMenuEvent* event) {
    ShowPageMenu(event->globalPos());
    event->accept();
}

void CStatPage::paintEvent(QPaintEvent* event) {
    COptionPage::paintEvent(event);
    if (m_colours == nullptr) {
        return;
    }
    if (m_colours->Scheme() != m_rowScheme) {
        ApplyRowColours();
    }
    if (m_colours->IsTinted()) {
        QPainter painter(this);
        painter.setPen(ToQColor(kPageFrame));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CStatPage::showEvent(QShowEvent* event) {
    COptionPage::showEvent(event);
    // The window's colours have just caught up with the scheme; the rows follow them.
    if (m_colours != nullptr && m_colours->Scheme() != m_rowScheme) {
        ApplyRowColours();
    }
}

void CStatPage::ApplyRowColours() {
    m_rowScheme = m_colours->Scheme();
    const bool tinted = m_colours->IsTinted();
    const auto colour = [tinted](ColorRef value) {
        return tinted ? std::optional<QColor>(ToQColor(value)) : std::nullopt;
    };
    m_entryModel->SetRowColours(colour(kEntriesText), colour(m_layout.rowBackground));
    m_resultsModel->SetRowColours(colour(kResultsText), colour(m_layout.rowBackground));
    ApplyOwnRowColours(tinted);
}

}  // namespace zyk
