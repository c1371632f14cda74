#include "formulas/ui/ConstantsScreenshots.h"

#include <QComboBox>

#include "formulas/ui/CConstantEditDlg.h"
#include "formulas/ui/CConstantsDlg.h"
#include "shell/ColourScheme.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "shell/ui/ScreenshotScratch.h"

namespace zyk {
namespace {

const QString kChosenConstant = QStringLiteral("Speed of Light");

// A screenshot never touches the user's files nor waits for a message box or the calculator:
// a scratch folder, messages that answer by themselves, inserts that go nowhere. Owned by the
// window it serves.
class ConstantsScratch : public ScreenshotScratch, public ConstantInsertTarget {
public:
    void InsertConstant(std::string_view, std::string_view) override {}
};

std::unique_ptr<CConstantsDlg> ConstantsWindow(ScreenshotContext& context) {
    auto scratch = std::make_unique<ConstantsScratch>();
    auto dialog =
        std::make_unique<CConstantsDlg>(scratch->Folder(), *scratch, context.store, *scratch);
    scratch.release()->setParent(dialog.get());
    dialog->ConstantCombo().setCurrentText(kChosenConstant);
    return dialog;
}

ScreenshotRegistry::Factory ConstantsInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        return ConstantsWindow(context);
    };
}

}  // namespace

void RegisterConstantsScreenshots(ScreenshotRegistry& registry) {
    registry.Register("constants-gold", ConstantsInScheme(kGoldScheme));
    registry.Register("constants-none", ConstantsInScheme(kPlainScheme));
    registry.Register("constant-edit", [](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(kGoldScheme);
        return std::make_unique<CConstantEditDlg>(
            context.store, ConstantRecord{"Speed of Light", "c", "299792458"});
    });
}

}  // namespace zyk
