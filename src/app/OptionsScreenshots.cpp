#include "app/OptionsScreenshots.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <string>

#include "app/COptions.h"
#include "app/OptionsTexts.h"
#include "calculator/CalculatorSettings.h"
#include "shell/ColourScheme.h"
#include "shell/FolderPath.h"
#include "shell/ui/CFolderPicker.h"
#include "shell/ui/QtUserMessages.h"
#include "shell/ui/ScreenshotRegistry.h"

namespace zyk {
namespace {

// A scratch folder with a few folders in it for the picker to show, owned by the picker.
class ScratchFolders : public QObject {
public:
    explicit ScratchFolders(QObject* owner) : QObject(owner) {
        for (const char* name : {"Programs", "Statistical", "my stats"}) {
            QDir(m_folder.path()).mkdir(QString::fromLatin1(name));
        }
    }
    QString Path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

ScreenshotRegistry::Factory OptionsOnPage(int scheme, int page) {
    return [scheme, page](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        const std::string home = QDir::homePath().toStdString();
        CalculatorSettings settings;
        settings.displayFont = "DejaVu Sans";
        settings.viewFont = "DejaVu Sans";
        settings.programsFolder = home + "/Zyk Calc/Programs";
        settings.statisticalFolder = home + "/Zyk Calc/Statistical";
        // Nothing is pressed, so no message can show.
        auto dialog = std::make_unique<COptions>(
            OptionsContext{
                .store = context.store, .resources = context.resources, .programFolder = home},
            OptionsChoice::FromCurrent(settings, scheme));
        dialog->SetActivePage(page);
        return dialog;
    };
}

}  // namespace

void RegisterOptionsScreenshots(ScreenshotRegistry& registry) {
    registry.Register("options-display-gold", OptionsOnPage(kGoldScheme, 0));
    registry.Register("options-folders-gold", OptionsOnPage(kGoldScheme, 1));
    registry.Register("options-view-gold", OptionsOnPage(kGoldScheme, 2));
    registry.Register("options-display-none", OptionsOnPage(kPlainScheme, 0));
    registry.Register("options-view-none", OptionsOnPage(kPlainScheme, 2));
    registry.Register("folder-picker", [](ScreenshotContext&) -> std::unique_ptr<QWidget> {
        auto picker = std::make_unique<CFolderPicker>(
            QString::fromLatin1(options_text::kPickerStatistical.data(),
                                options_text::kPickerStatistical.size()),
            QString::fromLatin1(options_text::kPickerTitle.data(),
                                options_text::kPickerTitle.size()),
            QString(), nullptr);
        auto* scratch = new ScratchFolders(picker.get());
        picker->setDirectory(scratch->Path());
        picker->PathField().setText(scratch->Path() + QStringLiteral("/my stats/2024"));
        return picker;
    });
    registry.Register("folder-question", [](ScreenshotContext&) -> std::unique_ptr<QWidget> {
        std::string text(folder_path::kMissing);
        text.replace(text.find("%s"), 2, "/home/user/data/my stats");
        return QtUserMessages::MakeMessageBox(text, "", MessageIcon::Question,
                                              MessageButtons::YesNo, nullptr);
    });
}

}  // namespace zyk
