// The Options dialog as the user works it from the calculator's menu: the three pages, OK that
// applies at once, restarts or re-lays the keypad, Cancel, the decimals range, the size list of
// a bitmap font, the folder picker with its checks, help, and a scheme that repaints the open
// tool windows.
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <functional>

#include "WindowTestSupport.h"
#include "app/COptions.h"
#include "app/CPageDisplay.h"
#include "app/CPageFolders.h"
#include "app/CPageView.h"
#include "app/OptionsCommand.h"
#include "app/OptionsTexts.h"
#include "converter/ui/CConverterDlg.h"
#include "shell/ColourScheme.h"
#include "shell/FolderPath.h"
#include "shell/HelpTopics.h"
#include "shell/ui/CFolderPicker.h"
#include "shell/ui/CFontList.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/CSpinBuddy.h"
#include "shell/ui/QtColors.h"

namespace zyk::window_test {
namespace {

namespace text = options_text;

constexpr int kDisplay = 0;
constexpr int kFolders = 1;
constexpr int kView = 2;

// Two outline fonts and a bitmap font that comes in 8 and 10 points only.
std::vector<FontFace> TestFonts() {
    return {
        {QStringLiteral("Beta Serif"), FontKind::Scalable, {}},
        {QStringLiteral("Alpha Sans"), FontKind::Scalable, {}},
        {QStringLiteral("Fixed"), FontKind::Bitmap, {10, 8, 10}},
        {QStringLiteral("Scaled"), FontKind::Other, {}},
    };
}

std::string Expected(std::string_view pattern, const QString& path) {
    std::string message(pattern);
    message.replace(message.find("%s"), 2, path.toStdString());
    return message;
}

class OptionsWindow : public WindowTest {
protected:
    // Opens the dialog with "Options..." of the main menu, as the application sets it up.
    COptions& Open(int page = kDisplay) {
        if (!m_handlerSet) {
            m_helpPages.emplace(ResourceFolder());
            Window().SetOptionsHandler([this] {
                m_dialog = OpenOptions(Window(), OptionsContext{
                                                     .store = store,
                                                     .resources = *m_helpPages,
                                                     .programFolder = DataFolder(),
                                                     .messages = &messages,
                                                     .fonts = TestFonts,
                                                 });
            });
            m_handlerSet = true;
        }
        QAction* item = Window().MainMenuAction(CalculatorCommand::Options);
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        EXPECT_NE(m_dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dialog));
        if (page != kDisplay) {
            m_dialog->PageList().setCurrentRow(page);
        }
        return *m_dialog;
    }
    // A new calculator window over a fresh store.
    void StartAfresh() {
        NewWindow();
        store = MemorySettingsStore();
    }
    // The next Open() makes a new calculator window over the same store.
    void NewWindow() {
        CloseWindow();
        m_handlerSet = false;
    }
    COptions& Dialog() { return *m_dialog; }
    bool DialogOpen() const { return m_dialog != nullptr && m_dialog->isVisible(); }
    void PressOk() { QTest::mouseClick(m_dialog->Button(COptionSheet::kIdOk), Qt::LeftButton); }
    void PressCancel() {
        QTest::mouseClick(m_dialog->Button(COptionSheet::kIdCancel), Qt::LeftButton);
    }

    CPageDisplay& DisplayPage() { return Dialog().DisplayPage(); }
    CPageView& ViewPage() { return Dialog().ViewPage(); }
    CPageFolders& FoldersPage() { return Dialog().FoldersPage(); }

    std::string Entry(const settings::TextEntry& entry) {
        return store.ReadText(entry.section, entry.entry, "(none)");
    }
    int Entry(const settings::IntEntry& entry) {
        return store.ReadInt(entry.section, entry.entry, -1);
    }

    // Runs `act` on the folder picker once it is open, while the "..." click waits for it.
    void WhenPickerOpens(std::function<void(CFolderPicker&)> act) {
        WhenModalOpens<CFolderPicker>([this, act](CFolderPicker& picker) {
            pickerCaption = picker.windowTitle();
            act(picker);
        });
    }

    QString pickerCaption;

private:
    std::optional<ResourceLocator> m_helpPages;
    QPointer<COptions> m_dialog;
    bool m_handlerSet = false;
};

TEST_F(OptionsWindow, OpensOnTheDisplayPageWithTheCurrentOptions) {
    store.Write(settings::kDisplayFormat, 503);
    store.Write(settings::kDisplayDecimals, 4);
    store.Write(settings::kColorsPreset, 6);
    store.Write(settings::kViewFont, "Fixed");
    store.Write(settings::kViewFontSize, "10");
    store.Write(settings::kViewFontOffset, 3);
    COptions& dialog = Open();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zyk Calculator options..."));
    EXPECT_EQ(dialog.PageList().currentRow(), kDisplay);
    EXPECT_EQ(dialog.PageList().item(kFolders)->text(), QStringLiteral("Folders"));
    EXPECT_EQ(dialog.Button(COptionSheet::kIdApply), nullptr) << "no Apply";
    EXPECT_EQ(dialog.Button(COptionSheet::kIdHelp)->text(), QStringLiteral("Help"));
    EXPECT_TRUE(
        DisplayPage().isAncestorOf(dialog.Button(COptionSheet::kIdOk)->previousInFocusChain()))
        << "Tab reaches the page's controls before the buttons";
    EXPECT_TRUE(DisplayPage().FormatButton(AnswerFormat::Engineering).isChecked());
    EXPECT_EQ(DisplayPage().DecimalsField().text(), QStringLiteral("4"));
    EXPECT_EQ(DisplayPage().SchemeList().currentText(), QStringLiteral("Teal"));
    EXPECT_EQ(Items(DisplayPage().SchemeList()).size(), kSchemeCount);
    EXPECT_EQ(Items(DisplayPage().FontList()),
              (QStringList{"Alpha Sans", "Beta Serif", "Fixed", "Scaled"}))
        << "sorted, each family once";

    dialog.PageList().setCurrentRow(kView);
    EXPECT_EQ(ViewPage().FontList().Family(), QStringLiteral("Fixed"));
    EXPECT_EQ(Items(ViewPage().SizeList()), (QStringList{"8", "10"}));
    EXPECT_EQ(ViewPage().SizeList().currentText(), QStringLiteral("10"));
    EXPECT_EQ(Items(ViewPage().OffsetList()), (QStringList{"None", "-1", "-2", "-3", "-4", "-5"}));
    EXPECT_EQ(ViewPage().OffsetList().currentIndex(), 3);
    EXPECT_TRUE(
        ViewPage().isAncestorOf(dialog.Button(COptionSheet::kIdOk)->previousInFocusChain()));
}

TEST_F(OptionsWindow, DecimalsOutsideTheRangeKeepTheDialogOpenOnTheDisplayPage) {
    struct Row {
        const char* typed;
        bool refused;
    };
    const Row rows[] = {{"16", true}, {"999", true}, {"", true}, {"0", false}, {"15", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        messages.shown.clear();
        Open();
        QLineEdit& field = DisplayPage().DecimalsField();
        field.clear();
        QTest::keyClicks(&field, QString::fromLatin1(row.typed));
        // Leaving the page checks the value as OK does.
        Dialog().PageList().setCurrentRow(kView);
        EXPECT_EQ(Dialog().ActiveIndex(), row.refused ? kDisplay : kView);
        PressOk();
        if (row.refused) {
            EXPECT_TRUE(DialogOpen());
            EXPECT_EQ(Dialog().ActiveIndex(), kDisplay);
            EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2,
                                                                  "Please enter an integer "
                                                                  "between 0 and 15.")));
            EXPECT_EQ(Dialog().focusWidget(), &field);
            PressCancel();
        } else {
            EXPECT_FALSE(DialogOpen());
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(Entry(settings::kDisplayDecimals), std::atoi(row.typed));
            EXPECT_EQ(Window().Core().MaxDecimals(), std::atoi(row.typed));
        }
    }
}

TEST_F(OptionsWindow, TheSpinArrowsStepWithinTheRange) {
    Open();
    QLineEdit& field = DisplayPage().DecimalsField();
    struct Row {
        const char* start;
        Qt::Key key;
        const char* after;
    };
    const Row rows[] = {{"10", Qt::Key_Up, "11"},
                        {"15", Qt::Key_Up, "15"},
                        {"0", Qt::Key_Down, "0"},
                        {"40", Qt::Key_Down, "14"},
                        {"", Qt::Key_Up, "0"}};
    for (const Row& row : rows) {
        field.setText(QString::fromLatin1(row.start));
        QTest::keyClick(&field, row.key);
        EXPECT_EQ(field.text(), QString::fromLatin1(row.after)) << row.start;
    }
    field.setText(QStringLiteral("7"));
    QTest::mouseClick(&DisplayPage().DecimalsSpin().UpButton(), Qt::LeftButton);
    EXPECT_EQ(field.text(), QStringLiteral("8"));
}

TEST_F(OptionsWindow, ScientificShowsAtOnceWithoutARestart) {
    Open();
    QTest::mouseClick(&DisplayPage().FormatButton(AnswerFormat::Scientific), Qt::LeftButton);
    PressOk();

    EXPECT_EQ(Entry(settings::kDisplayFormat), 502);
    EXPECT_FALSE(Window().IsRestartRequested());
    Do({Type("1234.5"), Press(Qt::Key_Return)});
    EXPECT_EQ(ResultShown(), QStringLiteral("= 1.2345e+003"));
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(OptionsWindow, ANewCalculatorFontOrSizeRestartsTheCalculator) {
    struct Row {
        const char* what;
        std::function<void(CPageView&)> pick;
        bool restart;
        const char* font;
        const char* size;
    };
    const Row rows[] = {
        {"font", [](CPageView& page) { page.FontList().SelectFamily("Beta Serif"); }, true,
         "Beta Serif", "9"},
        {"size", [](CPageView& page) { page.SizeList().setCurrentText("14"); }, true, "Arial",
         "14"},
        {"bitmap font, the size follows",
         [](CPageView& page) { page.FontList().SelectFamily("Fixed"); }, true, "Fixed", "10"},
        {"the same size picked again",
         [](CPageView& page) {
             page.SizeList().setCurrentText("14");
             page.SizeList().setCurrentText("9");
         },
         false, "(none)", "(none)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        StartAfresh();
        Open(kView);
        row.pick(ViewPage());
        PressOk();
        EXPECT_EQ(Window().IsRestartRequested(), row.restart);
        EXPECT_EQ(Window().isVisible(), !row.restart) << "a restart closes the window";
        EXPECT_EQ(Window().result(), row.restart ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(store.ReadText("View", "Font", "(none)"), row.font);
        EXPECT_EQ(store.ReadText("View", "FontSize", "(none)"), row.size);
    }
}

TEST_F(OptionsWindow, AShiftTextSizeAloneReLaysTheCaptionsAtOnce) {
    store.Write(settings::kViewFontSize, "12");
    const int before = Window().Keypad().CaptionFont().pointSize();
    ASSERT_EQ(before, 11);
    Open(kView);
    ViewPage().OffsetList().setCurrentIndex(4);
    PressOk();

    EXPECT_FALSE(Window().IsRestartRequested());
    EXPECT_EQ(Entry(settings::kViewFontOffset), 4);
    EXPECT_EQ(Window().Keypad().CaptionFont().pointSize(), 8);
    const int captionHeight = QFontMetrics(Window().Keypad().CaptionFont()).height();
    int captions = 0;
    for (const CalculatorCommand id : Window().Keypad().Commands()) {
        if (const std::optional<CKeypad::Caption> caption = Window().Keypad().CaptionOf(id)) {
            ++captions;
            EXPECT_EQ(caption->area.height(), captionHeight)
                << "the keys are laid out around the smaller captions";
        }
    }
    EXPECT_GT(captions, 0);
}

TEST_F(OptionsWindow, TheSizeListOfABitmapFontKeepsTheNearestSize) {
    // The first size not smaller than the current one, else the last.
    struct Row {
        const char* current;
        const char* picked;
    };
    const Row rows[] = {{"9", "10"}, {"12", "10"}, {"8", "8"}, {"6", "8"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.current);
        store.Write(settings::kViewFontSize, row.current);
        NewWindow();
        Open(kView);
        ViewPage().FontList().SelectFamily(QStringLiteral("Fixed"));
        EXPECT_EQ(Items(ViewPage().SizeList()), (QStringList{"8", "10"}));
        EXPECT_EQ(ViewPage().SizeList().currentText(), QString::fromLatin1(row.picked));
        ViewPage().FontList().SelectFamily(QStringLiteral("Scaled"));
        EXPECT_EQ(ViewPage().SizeList().count(), 10) << "the fixed list of scalable fonts";
        EXPECT_EQ(ViewPage().SizeList().currentText(), QString::fromLatin1(row.picked));
        PressCancel();
    }
}

TEST_F(OptionsWindow, CancelChangesNothing) {
    Open();
    QTest::mouseClick(&DisplayPage().FormatButton(AnswerFormat::Engineering), Qt::LeftButton);
    DisplayPage().SchemeList().setCurrentIndex(7);
    DisplayPage().FontList().SelectFamily(QStringLiteral("Beta Serif"));
    Dialog().PageList().setCurrentRow(kView);
    ViewPage().FontList().SelectFamily(QStringLiteral("Alpha Sans"));
    ViewPage().OffsetList().setCurrentIndex(5);
    const std::size_t writes = store.WriteCount();
    PressCancel();

    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(store.WriteCount(), writes);
    EXPECT_FALSE(Window().IsRestartRequested());
    EXPECT_FALSE(Window().Core().IsMenuItemChecked(CalculatorCommand::ModeEngineering));
}

TEST_F(OptionsWindow, ASchemeRepaintsTheOpenToolWindowsAtOnce) {
    Window().AddToolWindow(ToolWindowKind::Converter, [this] {
        return new CConverterDlg(
            store, [](std::string_view) {}, &Window());
    });
    QDialog* converter = Window().ToolWindow(ToolWindowKind::Converter);
    ASSERT_NE(converter, nullptr);
    Window().MainMenuAction(CalculatorCommand::Converter)->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(converter));
    Open();
    DisplayPage().SchemeList().setCurrentText(QStringLiteral("Red Sunset"));
    PressOk();
    QTest::qWait(50);

    EXPECT_EQ(Entry(settings::kColorsPreset), 7);
    EXPECT_EQ(Window().Scheme(), 7);
    const QColor background = ToQColor(ReadSchemeColours(store).background);
    EXPECT_EQ(background, ToQColor(kTintedSchemes[6].background));
    EXPECT_EQ(converter->palette().color(QPalette::Window), background);
    EXPECT_EQ(converter->grab().toImage().pixelColor(2, 2), background);
}

TEST_F(OptionsWindow, TheFolderPickerCreatesATypedFolderAfterAsking) {
    const QString root = QString::fromStdString(DataFolder().string());
    const QString wanted = root + QStringLiteral("/data/my stats");
    messages.answer = MessageAnswer::Yes;
    Open(kFolders);
    WhenPickerOpens([&wanted](CFolderPicker& picker) {
        picker.PathField().setText(wanted);
        QTest::mouseClick(picker.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(&FoldersPage().StatisticalBrowse(), Qt::LeftButton);

    EXPECT_EQ(pickerCaption, QStringLiteral("Folder (Stat. data)"));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{Expected(folder_path::kMissing, wanted)}));
    EXPECT_EQ(messages.shown.at(0).icon, MessageIcon::Question);
    EXPECT_TRUE(QFileInfo(wanted).isDir()) << "both levels made";
    EXPECT_EQ(FoldersPage().StatisticalField().text(), wanted);
    PressOk();
    EXPECT_EQ(Entry(settings::kFoldersStatistical), wanted.toStdString());
}

TEST_F(OptionsWindow, TheFolderPickerRefusesAnInvalidNameAndStaysOpen) {
    const QString before = QStringLiteral("/typed/without/check");
    Open(kFolders);
    FoldersPage().ProgramsField().setText(before);
    bool stayedOpen = false;
    QString offered;
    QString shown;
    WhenPickerOpens([&](CFolderPicker& picker) {
        offered = picker.PathField().text();
        shown = picker.directory().absolutePath();
        picker.PathField().setText(QStringLiteral("bad "));
        QTest::mouseClick(picker.OkButton(), Qt::LeftButton);
        stayedOpen = picker.isVisible() && picker.focusWidget() == &picker.PathField();
        // Qt greys OK for a folder that does not exist; a typed path keeps it usable.
        picker.OkButton()->setEnabled(false);
        QCoreApplication::processEvents();
        EXPECT_TRUE(picker.OkButton()->isEnabled());
        picker.reject();
    });
    QTest::mouseClick(&FoldersPage().ProgramsBrowse(), Qt::LeftButton);

    EXPECT_EQ(pickerCaption, QStringLiteral("Folder (Programs)"));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(offered, before) << "the missing folder is offered for creation";
    EXPECT_EQ(shown, QStringLiteral("/")) << "the nearest folder above it that exists";
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{Expected(folder_path::kInvalid, "/bad ")}))
        << "a name is taken in the folder shown";
    EXPECT_EQ(FoldersPage().ProgramsField().text(), before) << "Cancel leaves the field";
    PressOk();
    EXPECT_EQ(Entry(settings::kFoldersPrograms), before.toStdString()) << "typed text unchecked";
}

TEST_F(OptionsWindow, HelpAndF1OpenTheOptionsTopicInAWindowTheDialogDoesNotBlock) {
    PutResource(QStringLiteral("help/Options.htm"), "<html><body>Options</body></html>");
    PutResource(QStringLiteral("help/Introduction.htm"), "<html><body>Welcome</body></html>");
    Open(kFolders);
    QTest::mouseClick(Dialog().Button(COptionSheet::kIdHelp), Qt::LeftButton);
    CHelpViewer* help = Dialog().HelpViewer();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->CurrentPage(), QStringLiteral("Options.htm"));

    // Through the window system, as a user's key comes: a blocked window would not get it.
    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible()) << "Esc reached the help window";
    EXPECT_TRUE(DialogOpen());

    help->OpenTopic(kHelpIntroduction);
    Dialog().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog()));
    QTest::keyClick(&FoldersPage().StatisticalField(), Qt::Key_F1);
    EXPECT_EQ(Dialog().HelpViewer(), help) << "one help window for the dialog";
    EXPECT_EQ(help->CurrentPage(), QStringLiteral("Options.htm"));
    EXPECT_TRUE(DialogOpen());
}

}  // namespace
}  // namespace zyk::window_test
