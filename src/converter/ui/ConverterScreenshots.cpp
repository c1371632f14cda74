#include "converter/ui/ConverterScreenshots.h"

#include <QComboBox>
#include <QLineEdit>

#include "converter/UnitTable.h"
#include "converter/ui/CConverterDlg.h"
#include "shell/ColourScheme.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/ScreenshotRegistry.h"

namespace zyk {
namespace {

constexpr int kFahrenheitInCelsiusToList = 1;

ScreenshotRegistry::Factory ConverterInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        auto dialog = std::make_unique<CConverterDlg>(context.store, nullptr);
        dialog->ValueField().setText(QStringLiteral("100"));
        dialog->FromList().setCurrentIndex(kCelsiusPosition);
        dialog->ToList().setCurrentIndex(kFahrenheitInCelsiusToList);
        dialog->ConvertButton().click();
        return dialog;
    };
}

}  // namespace

void RegisterConverterScreenshots(ScreenshotRegistry& registry) {
    registry.Register("converter-gold", ConverterInScheme(kGoldScheme));
    registry.Register("converter-none", ConverterInScheme(kPlainScheme));
}

}  // namespace zyk
