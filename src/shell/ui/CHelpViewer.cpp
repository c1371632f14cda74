#include "shell/ui/CHelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/HelpTopics.h"
#include "shell/ShellMessages.h"
#include "shell/qt/QtText.h"

namespace zyk {
namespace {

constexpr QSize kPreferredSize(640, 600);
constexpr QSize kSmallestSize(320, 240);
constexpr int kFrameRoom = 40;

}  // namespace

CHelpViewer::CHelpViewer(const ResourceLocator& resources, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_resources(resources),
      m_browser(new QTextBrowser(this)),
      m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)) {
    setWindowTitle(ToQString(shell_text::kHelpWindowTitle, false));
    auto* contents = new QToolButton(this);
    m_back->setText(ToQString(shell_text::kHelpBack, false));
    m_forward->setText(ToQString(shell_text::kHelpForward, false));
    contents->setText(ToQString(shell_text::kHelpContents, false));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(contents);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    // Links to other pages stay inside the window; web and mail links go to the desktop.
    m_browser->setOpenExternalLinks(true);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(contents, &QToolButton::clicked, this, [this] { OpenTopic(kHelpIntroduction); });
    // Esc puts the help away, as it does with the calculator's other windows.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(kPreferredSize);
}

QSize CHelpViewer::SizeFor(const QRect& available) {
    // Room for the window manager's frame (title bar, borders) around the client area.
    const QSize room = available.size() - QSize(kFrameRoom, 2 * kFrameRoom);
    return kPreferredSize.boundedTo(room).expandedTo(kSmallestSize);
}

void CHelpViewer::FitOnScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen) {
        return;
    }
    const QRect available = screen->availableGeometry();
    resize(size().boundedTo(SizeFor(available)));
    if (!m_placed) {
        // First opening: in the middle of the screen, whole.
        m_placed = true;
        move(available.center() - QPoint(width() / 2, height() / 2 + kFrameRoom / 2));
    }
}

bool CHelpViewer::OpenTopic(std::string_view topic) {
    if (m_failedTopics.find(topic) != m_failedTopics.end()) {
        return false;
    }
    const std::string page = HelpPageForTopic(topic);
    const QString path =
        page.empty() ? QString()
                     : m_resources.Find(QString::fromLatin1(kHelpFolder.data(),
                                                            static_cast<int>(kHelpFolder.size())) +
                                        QLatin1Char('/') + QString::fromStdString(page));
    if (path.isEmpty()) {
        m_failedTopics.emplace(topic);
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
    if (!isVisible()) {
        FitOnScreen();
    }
    show();
    raise();
    activateWindow();
    return true;
}

QString CHelpViewer::CurrentPage() const {
    const QUrl source = m_browser->source();
    return source.isEmpty() ? QString() : QFileInfo(source.toLocalFile()).fileName();
}

}  // namespace zyk
