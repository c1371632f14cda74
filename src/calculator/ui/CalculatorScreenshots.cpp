#include "calculator/ui/CalculatorScreenshots.h"

#include <QComboBox>

#include <cctype>
#include <string>

#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/ui/CFormulaNameDlg.h"
#include "formulas/ui/CGetFormulaDlg.h"
#include "shell/ColourScheme.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "shell/ui/ScreenshotScratch.h"

namespace zyk {
namespace {

// "Sphere volume" of the built-in list, run with r = 2: both display lines have something to
// show.
constexpr int kSphereVolumeIndex = 23;
constexpr const char* kSphereRadius = "2";
// "Coulomb's law", shown in "Get a formula".
constexpr int kCoulombIndex = 44;

// The windows' scratch folder holds a user formula, so "Get a formula" lists one.
class FormulaScratch : public ScreenshotScratch {
public:
    FormulaScratch() {
        CUserFormulaFile file(Folder(), *this);
        file.AppendRecord({"Gas pressure", "p=nRT/V", "[p]=[n]{R}[T]/[V]"});
    }
};

std::string FileStem(int scheme) {
    std::string name(SchemeName(scheme));
    for (char& c : name) {
        c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "main-" + name;
}

ScreenshotRegistry::Factory MainWindowInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        auto scratch = std::make_unique<FormulaScratch>();
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
        context.UseScheme(kGoldScheme);
        auto scratch = std::make_unique<FormulaScratch>();
        auto dialog = std::make_unique<CGetFormulaDlg>(scratch->Folder(), *scratch, context.store);
        dialog->FormulaCombo().setCurrentIndex(kCoulombIndex);
        scratch.release()->setParent(dialog.get());
        return dialog;
    });
    registry.Register("formula-name", [](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(kGoldScheme);
        return std::make_unique<CFormulaNameDlg>(context.store);
    });
}

}  // namespace zyk
