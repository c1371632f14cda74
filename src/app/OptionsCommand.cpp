#include "app/OptionsCommand.h"

#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "shell/ColourScheme.h"

namespace zyk {

COptions* OpenOptions(CCalculatorDlg& window, const OptionsContext& context) {
    const OptionsChoice current =
        OptionsChoice::FromCurrent(window.Core().Settings(), ReadSchemeNumber(context.store));
    auto* dialog = new COptions(context, current, &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, &window,
                     [&window, dialog] { window.ApplyOptions(dialog->Choice()); });
    // Modal to the calculator window; the help window and the tool windows stay usable.
    dialog->open();
    return dialog;
}

}  // namespace zyk
