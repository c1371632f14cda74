#include "calculator/ui/CalculatorScreenshots.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cctype>
#include <string>

#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/ui/CFormulaNameDlg.h"
#include "formulas/ui/CGetFormulaDlg.h"
#include "shell/ColourScheme.h"
#include "shell/SettingsKeys.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/ScreenshotRegistry.h"

namespace zyk {
namespace {

// "Sphere volume" of the built-in list, run with r = 2: both display lines have something to
// show.
constexpr int kSphereVolumeIndex = 23;
constexpr const char* kSphereRadius = "2";
// "Coulomb's law", shown in "Get a formula".
constexpr int kCoulombIndex = 44;

// A screenshot must never wait for a message box, nor touch the user's files: the windows get a
// scratch folder and messages that answer by themselves. Owned by the window it serves.
class ScreenshotScratch : public QObject, public UserMessages {
public:
    ScreenshotScratch() {
        CUserFormulaFile file(Folder(), *this);
        file.AppendRecord({"Gas pressure", "p=nRT/V", "[p]=[n]{R}[T]/[V]"});
    }

    std::filesystem::path Folder() const {
        return std::filesystem::path(QDir::toNativeSeparators(m_folder.path()).toStdString());
    }

    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }

private:
    QTemporaryDir m_folder;
};

std::string FileStem(int scheme) {
    std::string name(SchemeName(scheme));
    for (char& c : name) {
        c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "main-" + name;
}

void UseScheme(SettingsStore& store, int scheme) {
    store.Write(settings::kColorsPreset, scheme);
    ApplyScheme(store, CurrentPlatformColours());
}

ScreenshotRegistry::Factory MainWindowInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        UseScheme(context.store, scheme);
        auto scratch = std::make_unique<ScreenshotScratch>();
        auto window = std::make_unique<CCalculatorDlg>(CalculatorWindowContext{
            context.store, scratch->Folder(), context.resources, scratch.get()});
        scratch.release()->setParent(window.get());
        Calculator& calculator = window->Core();
        const BuiltInFormula& row = BuiltInFormulas()[kSphereVolumeIndex];
        CurrentFormula sphere;
        sphere.index = kSphereVolumeIndex;
        sphere.displayForm = row.displayForm;
        sphere.calculatorForm = row.calculatorForm;
        calculator.LoadFormula(sphere);
        calculator.TypeText(kSphereRadius);
        calculator.Execute(CalculatorCommand::Exe);
        window->UpdateDisplay();
        return window;
    };
}

}  // namespace

void RegisterCalculatorScreenshots(ScreenshotRegistry& registry) {
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        registry.Register(FileStem(scheme), MainWindowInScheme(scheme));
    }
    registry.Register("get-formula", [](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        UseScheme(context.store, 1);
        auto scratch = std::make_unique<ScreenshotScratch>();
        auto dialog = std::make_unique<CGetFormulaDlg>(scratch->Folder(), *scratch, context.store);
        dialog->FormulaCombo().setCurrentIndex(kCoulombIndex);
        scratch.release()->setParent(dialog.get());
        return dialog;
    });
    registry.Register("formula-name", [](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        UseScheme(context.store, 1);
        return std::make_unique<CFormulaNameDlg>(context.store);
    });
}

}  // namespace zyk
