#pragma once

#include <QWidget>

#include <set>
#include <string>
#include <string_view>

#include "shell/ui/ResourceLocator.h"

class QTextBrowser;
class QToolButton;

namespace zyk {

// The help window: one per application, showing the help pages (HTML) by topic name, e.g.
// "ZykCalc.chm::/Options.htm". A topic whose page cannot be found does nothing, silently, and
// is not looked for again.
class CHelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit CHelpViewer(const ResourceLocator& resources, QWidget* parent = nullptr);

    // The window's size on a screen whose free area is `available`: 640 x 600 where that fits,
    // else smaller, so that the whole window (frame included) stays on a small or scaled screen.
    static QSize SizeFor(const QRect& available);

    // Shows the topic's page and brings the window to the front; false when it cannot.
    bool OpenTopic(std::string_view topic);

    // The file name of the page shown ("Options.htm"), or empty.
    QString CurrentPage() const;
    QTextBrowser& Browser() { return *m_browser; }

private:
    void FitOnScreen();

    ResourceLocator m_resources;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    std::set<std::string, std::less<>> m_failedTopics;
    bool m_placed = false;
};

}  // namespace zyk
