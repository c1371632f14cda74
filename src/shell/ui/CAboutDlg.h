#pragma once

#include <QDialog>

#include "shell/SettingsStore.h"

namespace zyk {

class CColorStatic;
class CLinkLabel;
class CSchemeWindowColors;
class CSkinButton;

// The About box: icon, version line, a line about the calculator, an e-mail and a homepage link
// in a frame, and a skinned OK button; painted in the current colour scheme with a dark border.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kBorderWidth = 11;

    explicit CAboutDlg(const SettingsStore& store, QWidget* parent = nullptr);

    CColorStatic& VersionText() { return *m_version; }
    CLinkLabel& EmailLink() { return *m_email; }
    CLinkLabel& HomepageLink() { return *m_homepage; }
    CSkinButton& OkButton() { return *m_ok; }
    CSchemeWindowColors& SchemeColours() { return *m_colours; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSchemeWindowColors* m_colours;
    CColorStatic* m_version;
    CColorStatic* m_description;
    CLinkLabel* m_email;
    CLinkLabel* m_homepage;
    CSkinButton* m_ok;
};

}  // namespace zyk
