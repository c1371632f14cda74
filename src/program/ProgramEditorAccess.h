#pragma once

#include "program/ProgramText.h"

namespace zyk {

// What a run needs of the editor that holds the program: its lines when a run starts, and the
// selection it shows at the start and at a stop.
class ProgramEditorAccess {
public:
    virtual ~ProgramEditorAccess() = default;

    // The program as the editor holds it now, in the calculator's character set.
    virtual ProgramText ReadProgram() const = 0;
    // A run starts: a selection shrinks to its start.
    virtual void CollapseSelection() = 0;
    // A run stopped on this line (0-based): it is selected.
    virtual void SelectLine(int line) = 0;
};

}  // namespace zyk
