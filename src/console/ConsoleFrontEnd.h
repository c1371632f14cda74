#pragma once

#include <iosfwd>

#include "console/ConsoleOptions.h"

namespace zyk {

// Runs a console command (--eval, --keys, --run, --convert, --help, --version) without any window
// and returns the process's exit status. Never creates a QApplication.
int RunConsole(const ConsoleOptions& options, std::ostream& out, std::ostream& err,
               std::istream& in);

}  // namespace zyk
