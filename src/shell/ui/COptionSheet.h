#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

#include <climits>
#include <vector>

#include "shell/SettingsStore.h"

class QListWidget;

namespace zyk {

class COptionPage;
class CSkinButton;

// How the sheet's page list is coloured in a tinted scheme: "clrBk" with black text (the
// statistics window) or "clrBkk" with white text (the Options dialog).
enum class PageListLook { Light, Dark };

struct SheetStyle {
    bool buttonRow = false;  // OK, Cancel, Apply and Help along the bottom
    bool noApply = false;    // no Apply button in the row
    bool hasHelp = false;    // a Help button in the row
    PageListLook listLook = PageListLook::Light;
};

// A dialog with a page list on the left and one page at a time to its right. Choosing a line of
// the list makes its page current: the previous page is hidden, the new one is made the first
// time it becomes current, its activation hook runs and it is shown. The sheet sizes itself to
// its largest page, the list, its margins and the optional button row. Enter that no control of
// a page takes is the OK command, Esc the cancel command; both close the dialog (a modeless sheet
// is hidden). OK and Apply first ask the current page whether its data may be taken.
class COptionSheet : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;
    static constexpr int kIdHelp = 9;
    static constexpr int kIdApply = 12321;
    static constexpr int kPageListWidth = 150;
    static constexpr int kMargin = 6;
    static constexpr int kEtchWidth = 2;

    COptionSheet(const QString& caption, const SettingsStore& store, const SheetStyle& style,
                 QWidget* parent = nullptr);
    ~COptionSheet() override;

    // The sheet takes the page; pages are listed in the order they are added.
    void AddPage(COptionPage* page);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    COptionPage* Page(int index) const;
    // -1 before the first page has been made current.
    int ActiveIndex() const { return m_active; }
    COptionPage* ActivePage() const { return Page(m_active); }
    // Makes a page current; false when the index is out of range or the current page refuses to
    // be left.
    bool SetActivePage(int index);

    QListWidget& PageList() const { return *m_list; }
    // nullptr for a button the sheet does not have.
    CSkinButton* Button(int id) const;
    // Where the pages stand, in the sheet's coordinates.
    QRect PageArea() const { return m_pageArea; }
    // The scheme number the sheet's colours follow (INT_MIN before the first look).
    int Scheme() const { return m_scheme; }

    void accept() override;
    void reject() override;

signals:
    void HelpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Layout();
    void KeepButtonsLastInTabOrder();
    void ApplyPages();
    void UpdateApplyButton();
    void FollowScheme();
    CSkinButton* AddButton(int id, const QString& text);

    const SettingsStore& m_store;
    SheetStyle m_style;
    QListWidget* m_list;
    std::vector<COptionPage*> m_pages;
    std::vector<CSkinButton*> m_buttons;
    int m_active = -1;
    QRect m_frame;
    QRect m_pageArea;
    int m_scheme = INT_MIN;
};

}  // namespace zyk
