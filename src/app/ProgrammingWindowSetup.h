#pragma once

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

namespace zyk {

class CCalculatorDlg;
class CProgramDlg;
class ProgramFileDialogs;
class ScreenshotRegistry;

// Adds the programming window as the calculator's tool window (made after the calculator's first
// paint or when first asked for, see CCalculatorDlg::AddToolWindow) and joins the two when it is
// made: the window's runner becomes the calculator's program host, EXE and AC handed to a program
// drive its run, each slice of a run refreshes the calculator's display, Help opens the
// programming topic. "Get Program..." makes the window if needed, then loads and runs a file.
// messages / fileDialogs: nullptr for the window's own; `store` and both must outlive the window.
void AddProgrammingWindow(CCalculatorDlg& calculator, SettingsStore& store,
                          UserMessages* messages = nullptr,
                          ProgramFileDialogs* fileDialogs = nullptr);

// "programming-gold" and "programming-none": the window holding an example program.
void RegisterProgrammingScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
