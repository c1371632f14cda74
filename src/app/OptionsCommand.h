#pragma once

#include "app/COptions.h"

namespace zyk {

class CCalculatorDlg;

// "Options...": opens the dialog over the calculator window, filled from the window's current
// options and the scheme of the store; OK hands the choice to the window, which applies it.
// The dialog deletes itself when closed.
COptions* OpenOptions(CCalculatorDlg& window, const OptionsContext& context);

}  // namespace zyk
