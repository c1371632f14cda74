#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>
#include <string_view>

#include "shell/ColourScheme.h"
#include "shell/ui/COptionPage.h"
#include "statistics/DataPage.h"
#include "statistics/StatisticsControls.h"
#include "statistics/ui/StatisticsWindowContext.h"

class QLabel;
class QListView;
class QMenu;

namespace zyk {

class CNumEdit;
class CSchemeWindowColors;
class CSkinButton;
struct ButtonLook;
class CStatListModel;
class DialogUnitMapper;

// What the two statistics pages share: the entry field, Add, Delete, the entry list, the results
// list, >>, Calculate, Clear and the "?" button at their places, the page menu (right click or
// "?") with Open, Save, Save As, Help and Close, Enter as Add, context help on F1, and the colours
// of the tinted schemes. A page shows the state of its core (a DataPage) and turns every click
// into a core command.
class CStatPage : public COptionPage {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 216;
    static constexpr int kHeightUnits = 198;

    // Where a page differs in the shared controls.
    struct Layout {
        std::string_view title;
        std::string_view intro;
        std::string_view insertHint;
        int insertHintWidth;
        int menuButtonX;
        int entryFieldId;
        int entryFieldX;
        int entryFieldWidth;
        int addId;
        int deleteId;
        int entryListId;
        int resultsListId;
        int insertId;
        int calculateId;
        int clearId;
        int menuButtonId;
        statistics_ids::PageMenuIds menu;
        std::string_view menuTitle;
        std::string_view fileFilter;     // "Data files (*.ssd)|*.ssd||"
        std::string_view fileExtension;  // "SSD"
        ColorRef rowBackground;          // behind each row's text in a tinted scheme
    };

    CStatPage(const Layout& layout, StatisticsWindowContext& context, DataPage& core,
              QWidget* parent = nullptr);
    ~CStatPage() override;

    DataPage& Core() { return m_core; }
    CNumEdit& EntryField() { return *m_entryField; }
    QListView& EntryList() { return *m_entryList; }
    QListView& ResultsList() { return *m_resultsList; }
    // A skinned button of the page by control id; nullptr for another id.
    CSkinButton* Button(int controlId) const;

    // The page menu as it would open now (Save and Save As greyed for an empty list).
    std::unique_ptr<QMenu> MakePageMenu();
    // Opens the page menu with its right edge at a screen point.
    void ShowPageMenu(const QPoint& rightEdge);
    void OpenFile();
    void SaveFile();
    void SaveFileAs();
    void ShowHelp();

    // The help pop-up of a control (or the control it belongs to) at a screen point; nullptr for
    // a control without a help text.
    QWidget* ShowContextHelp(QWidget* control, const QPoint& globalPosition);

    // Shows the core's state: buttons, lists, selections and fields.
    void Sync();

protected:
    // The page's own controls (labels, the frequency field or the type box) and its commands.
    virtual void BuildOwnControls(const DialogUnitMapper& units) = 0;
    virtual void AddCommand() = 0;
    virtual void CalculateCommand() = 0;
    virtual void InsertCommand() = 0;
    virtual void SyncOwnControls() {}
    virtual void ApplyOwnRowColours(bool tinted) { static_cast<void>(tinted); }

    void OnInitPage() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    StatisticsWindowContext& Context() { return m_context; }
    CSchemeWindowColors& Colours() { return *m_colours; }
    // A label in the dark green of the page's coloured statics.
    QLabel* MakeColouredLabel(std::string_view text, int controlId, Qt::Alignment alignment);
    void FocusEntryField();

private:
    CSkinButton* MakeButton(std::string_view text, int controlId, ButtonLook look);
    QListView* MakeList(CStatListModel* model, int controlId);
    void EntrySelectionChanged();
    void ResultSelectionChanged();
    void EntryFieldEdited(const QString& text);
    void RunCommand(void (CStatPage::*command)());
    void DeleteCommand();
    void ClearCommand();
    void ApplyRowColours();
    QString DataFolder() const;
    DataFileDialogs& Dialogs();
    DataFileDialogs::Request FileRequest(std::string_view title) const;
    void ReportFailedSave();

    const Layout m_layout;
    StatisticsWindowContext& m_context;
    DataPage& m_core;
    std::unique_ptr<DataFileDialogs> m_platformDialogs;
    CSchemeWindowColors* m_colours = nullptr;
    CStatListModel* m_entryModel = nullptr;
    CStatListModel* m_resultsModel = nullptr;
    CNumEdit* m_entryField = nullptr;
    QListView* m_entryList = nullptr;
    QListView* m_resultsList = nullptr;
    std::uint64_t m_entriesShown = ~std::uint64_t{0};
    std::uint64_t m_resultsShown = ~std::uint64_t{0};
    int m_rowScheme = -1;
};

}  // namespace zyk
