#include "app/ProgrammingWindowSetup.h"

#include <QFile>

#include <filesystem>
#include <memory>

#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "program/ui/CProgramDlg.h"
#include "shell/ToolWindowTable.h"
#include "shell/ui/ResourceLocator.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "shell/ui/ScreenshotScratch.h"

namespace zyk {
namespace {

// The example the screenshots show, from the examples shipped beside the program.
constexpr const char* kScreenshotExample = "examples/newton.bas";

// The calculator behind a screenshot's programming window: a scratch folder, messages that
// answer by themselves. Owned by the window, so it outlives the window's runner.
class ScreenshotCalculator : public ScreenshotScratch {
public:
    explicit ScreenshotCalculator(SettingsStore& store) : m_calculator(store, *this, Folder()) {}

    Calculator& Core() { return m_calculator; }

private:
    Calculator m_calculator;
};

ScreenshotRegistry::Factory ProgrammingInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        const QString example = context.resources.Find(QString::fromLatin1(kScreenshotExample));
        if (example.isEmpty()) {
            return nullptr;
        }
        context.UseScheme(scheme);
        auto calculator = std::make_unique<ScreenshotCalculator>(context.store);
        auto window = std::make_unique<CProgramDlg>(
            ProgramWindowContext{context.store, calculator->Core(), calculator.get(), nullptr, {}});
        calculator.release()->setParent(window.get());
        if (!window->OpenFile(example)) {
            return nullptr;
        }
        return window;
    };
}

}  // namespace

void AddProgrammingWindow(CCalculatorDlg& calculator, SettingsStore& store, UserMessages* messages,
                          ProgramFileDialogs* fileDialogs) {
    CCalculatorDlg* owner = &calculator;
    // No program runs before the window exists, so the joining waits for it to be made.
    calculator.AddToolWindow(
        ToolWindowKind::Programming, [owner, &store, messages, fileDialogs]() -> QDialog* {
            const ProgramWindowContext context{
                store, owner->Core(), messages, fileDialogs,
                [owner](std::string_view topic) { owner->OpenHelpTopic(topic); }};
            auto* window = new CProgramDlg(context, owner);
            owner->Core().SetProgramHost(&window->Host());
            QObject::connect(owner, &CCalculatorDlg::ProgramStepRequested, window,
                             &CProgramDlg::DriveProgram);
            QObject::connect(window, &CProgramDlg::DisplayChanged, owner,
                             &CCalculatorDlg::UpdateDisplay);
            return window;
        });
    calculator.SetGetProgramHandler([owner] {
        if (auto* window =
                qobject_cast<CProgramDlg*>(owner->ToolWindow(ToolWindowKind::Programming))) {
            window->GetProgram();
        }
    });
}

void RegisterProgrammingScreenshots(ScreenshotRegistry& registry) {
    registry.Register("programming-gold", ProgrammingInScheme(1));
    registry.Register("programming-none", ProgrammingInScheme(0));
}

}  // namespace zyk
