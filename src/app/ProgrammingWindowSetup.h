#pragma once

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

namespace zyk {

class CCalculatorDlg;
class CProgramDlg;
class ProgramFileDialogs;
class ScreenshotRegistry;

// Makes the programming window as the calculator's tool window and joins the two: the window's
// runner becomes the calculator's program host, EXE and AC handed to a program drive its run,
// each slice of a run refreshes the calculator's display, Help opens the programming topic and
// "Get Program..." loads and runs a file. nullptr when the window could not be made (the
// calculator has reported it). messages / fileDialogs: nullptr for the window's own.
CProgramDlg* AddProgrammingWindow(CCalculatorDlg& calculator, SettingsStore& store,
                                  UserMessages* messages = nullptr,
                                  ProgramFileDialogs* fileDialogs = nullptr);

// "programming-gold" and "programming-none": the window holding an example program.
void RegisterProgrammingScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
