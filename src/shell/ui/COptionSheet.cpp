#include "shell/ui/COptionSheet.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>

#include <algorithm>

#include "shell/ColourScheme.h"
#include "shell/ui/COptionPage.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogUnitMapper.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

// The row's buttons are the standard 50 x 14 dialog units.
constexpr int kButtonWidthUnits = 50;
constexpr int kButtonHeightUnits = 14;
constexpr ColorRef kLightListText = Rgb(0, 0, 0);
constexpr ColorRef kDarkListText = Rgb(255, 255, 255);

struct RowButton {
    int id;
    const char* text;
};
constexpr RowButton kRowButtons[] = {
    {COptionSheet::kIdOk, "OK"},
    {COptionSheet::kIdCancel, "Cancel"},
    {COptionSheet::kIdApply, "Apply"},
    {COptionSheet::kIdHelp, "Help"},
};

// An etched line: a shadow line with a light line beside it.
void DrawEtchedRect(QPainter& painter, const QRect& rect, const QColor& shadow,
                    const QColor& light) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(light);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(shadow);
    painter.drawRect(rect.adjusted(0, 0, -2, -2));
}

void DrawEtchedVerticalLine(QPainter& painter, int x, int top, int bottom, const QColor& shadow,
                            const QColor& light) {
    painter.setPen(shadow);
    painter.drawLine(x, top, x, bottom);
    painter.setPen(light);
    painter.drawLine(x + 1, top, x + 1, bottom);
}

}  // namespace

COptionSheet::COptionSheet(const QString& caption, const SettingsStore& store,
                           const SheetStyle& style, QWidget* parent)
    : QDialog(parent), m_store(store), m_style(style), m_list(new QListWidget(this)) {
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_active && !SetActivePage(row)) {
            // The current page keeps the focus of the list as well.
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentRow(m_active);
        }
    });

    if (m_style.buttonRow) {
        for (const RowButton& button : kRowButtons) {
            if ((button.id == kIdApply && m_style.noApply) ||
                (button.id == kIdHelp && !m_style.hasHelp)) {
                continue;
            }
            AddButton(button.id, QString::fromLatin1(button.text));
        }
        if (CSkinButton* ok = Button(kIdOk)) {
            ok->setDefault(true);
            connect(ok, &QPushButton::clicked, this, &COptionSheet::accept);
        }
        connect(Button(kIdCancel), &QPushButton::clicked, this, &COptionSheet::reject);
        if (CSkinButton* apply = Button(kIdApply)) {
            apply->setEnabled(false);
            connect(apply, &QPushButton::clicked, this, &COptionSheet::ApplyPages);
        }
        if (CSkinButton* help = Button(kIdHelp)) {
            connect(help, &QPushButton::clicked, this, &COptionSheet::HelpRequested);
        }
    }
    Layout();
}

COptionSheet::~COptionSheet() = default;

CSkinButton* COptionSheet::AddButton(int id, const QString& text) {
    auto* button = new CSkinButton(text, this);
    button->setObjectName(QString::number(id));
    m_buttons.push_back(button);
    return button;
}

void COptionSheet::AddPage(COptionPage* page) {
    page->setParent(this);
    page->hide();
    m_pages.push_back(page);
    m_list->addItem(page->Caption());
    connect(page, &COptionPage::ModifiedChanged, this, &COptionSheet::UpdateApplyButton);
    Layout();
}

COptionPage* COptionSheet::Page(int index) const {
    if (index < 0 || index >= PageCount()) {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(index)];
}

bool COptionSheet::SetActivePage(int index) {
    COptionPage* next = Page(index);
    if (next == nullptr) {
        return false;
    }
    if (index == m_active) {
        return true;
    }
    if (COptionPage* current = ActivePage()) {
        if (!current->OnKillActive()) {
            return false;
        }
        current->hide();
    }
    m_active = index;
    next->move(m_pageArea.topLeft());
    next->Create();
    KeepButtonsLastInTabOrder();
    next->OnSetActive();
    next->show();
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(index);
    return true;
}

void COptionSheet::KeepButtonsLastInTabOrder() {
    // A page's controls are made after the button row, so Tab would reach the row first.
    if (m_buttons.empty()) {
        return;
    }
    QWidget* last = previousInFocusChain();
    while (last != this && std::find(m_buttons.begin(), m_buttons.end(), last) != m_buttons.end()) {
        last = last->previousInFocusChain();
    }
    for (CSkinButton* button : m_buttons) {
        setTabOrder(last, button);
        last = button;
    }
}

CSkinButton* COptionSheet::Button(int id) const {
    const QString name = QString::number(id);
    const auto found =
        std::find_if(m_buttons.begin(), m_buttons.end(),
                     [&name](const CSkinButton* b) { return b->objectName() == name; });
    return found == m_buttons.end() ? nullptr : *found;
}

void COptionSheet::accept() {
    if (COptionPage* current = ActivePage(); current != nullptr && !current->OnKillActive()) {
        return;
    }
    for (COptionPage* page : m_pages) {
        if (page->IsCreated()) {
            page->OnOk();
        }
    }
    QDialog::accept();
}

void COptionSheet::reject() {
    for (COptionPage* page : m_pages) {
        if (page->IsCreated()) {
            page->OnCancel();
        }
    }
    QDialog::reject();
}

void COptionSheet::ApplyPages() {
    if (COptionPage* current = ActivePage(); current != nullptr && !current->OnKillActive()) {
        return;
    }
    for (COptionPage* page : m_pages) {
        if (page->IsCreated()) {
            page->OnApply();
            page->SetModified(false);
        }
    }
    UpdateApplyButton();
}

void COptionSheet::UpdateApplyButton() {
    if (CSkinButton* apply = Button(kIdApply)) {
        apply->setEnabled(std::any_of(m_pages.begin(), m_pages.end(),
                                      [](const COptionPage* page) { return page->IsModified(); }));
    }
}

void COptionSheet::Layout() {
    QSize largest(0, 0);
    for (const COptionPage* page : m_pages) {
        largest = largest.expandedTo(page->PixelSize());
    }
    const int inset = kMargin + kEtchWidth + kMargin;
    const QRect list(inset, inset, kPageListWidth, largest.height());
    const int separator = list.right() + 1 + kMargin;
    m_pageArea = QRect(separator + kEtchWidth + kMargin, inset, largest.width(), largest.height());
    m_frame = QRect(kMargin, kMargin, m_pageArea.right() + 1 + kMargin + kEtchWidth - kMargin,
                    largest.height() + 2 * (kEtchWidth + kMargin));
    m_list->setGeometry(list);
    for (COptionPage* page : m_pages) {
        page->move(m_pageArea.topLeft());
        page->resize(page->PixelSize());
    }

    int height = m_frame.bottom() + 1 + kMargin;
    const int width = m_frame.right() + 1 + kMargin;
    if (!m_buttons.empty()) {
        const QSize size = DialogUnitMapper(font()).ToPixels(kButtonWidthUnits, kButtonHeightUnits);
        int x = width - kMargin - static_cast<int>(m_buttons.size()) * (size.width() + kMargin) +
                kMargin;
        for (CSkinButton* button : m_buttons) {
            button->setGeometry(x, height, size.width(), size.height());
            x += size.width() + kMargin;
        }
        height += size.height() + kMargin;
    }
    setFixedSize(width, height);
}

void COptionSheet::keyPressEvent(QKeyEvent* event) {
    // Enter that reached the sheet (the page list has the focus, or a page let it through) is
    // the OK command.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (CSkinButton* focused = qobject_cast<CSkinButton*>(focusWidget());
            focused != nullptr && m_style.buttonRow && focused->parentWidget() == this) {
            focused->click();
        } else {
            accept();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void COptionSheet::showEvent(QShowEvent* event) {
    FollowScheme();
    if (m_active < 0 && !m_pages.empty()) {
        SetActivePage(0);
    }
    QDialog::showEvent(event);
}

void COptionSheet::paintEvent(QPaintEvent* event) {
    FollowScheme();
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    const QColor shadow = background.darker(160);
    const QColor light = background.lighter(160);
    DrawEtchedRect(painter, m_frame, shadow, light);
    const int separator = m_list->geometry().right() + 1 + kMargin;
    DrawEtchedVerticalLine(painter, separator, m_frame.top() + kEtchWidth,
                           m_frame.bottom() - kEtchWidth, shadow, light);
}

void COptionSheet::FollowScheme() {
    const int scheme = ReadSchemeNumber(m_store);
    if (scheme == m_scheme) {
        return;
    }
    m_scheme = scheme;
    if (scheme <= 0) {
        setPalette(QPalette());
        setAutoFillBackground(false);
        m_list->setPalette(QPalette());
        return;
    }
    const SchemeColours colours = ReadSchemeColours(m_store);
    const bool light = m_style.listLook == PageListLook::Light;
    QPalette own = palette();
    own.setColor(QPalette::Window, ToQColor(colours.darkBackground));
    setPalette(own);
    setAutoFillBackground(true);
    QPalette list = m_list->palette();
    const QColor listBackground = ToQColor(light ? colours.background : colours.darkBackground);
    const QColor listText = ToQColor(light ? kLightListText : kDarkListText);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        list.setColor(group, QPalette::Base, listBackground);
        list.setColor(group, QPalette::Text, listText);
    }
    m_list->setPalette(list);
}

}  // namespace zyk
