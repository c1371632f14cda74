#include "program/ProgramRunner.h"

namespace zyk {

ProgramRunner::ProgramRunner(ProgramConsole& console, ProgramEditorAccess& editor)
    : m_editor(editor), m_interpreter(console) {}

void ProgramRunner::Start() {
    LoadProgram();
    m_interpreter.StartProgram();
}

void ProgramRunner::Run() {
    if (m_interpreter.IsStartPending()) {
        LoadProgram();
    }
    m_interpreter.Run();
}

bool ProgramRunner::IsWaiting() const {
    return m_interpreter.IsWaiting();
}

bool ProgramRunner::HasEnded() const {
    return m_interpreter.HasEnded();
}

void ProgramRunner::Reset() {
    m_interpreter.Reset();
}

bool ProgramRunner::IsComputing() const {
    return m_interpreter.IsComputing();
}

void ProgramRunner::Break() {
    if (!m_interpreter.IsComputing()) {
        return;
    }
    m_interpreter.Break();
    ShowStop();
}

StepStatus ProgramRunner::RunSlice(Clock::duration budget) {
    const Clock::time_point deadline = Clock::now() + budget;
    // The first Step of a slice forgets the answers of the last slice (the user may have changed
    // a mode in between); the others keep them, nothing else running meanwhile.
    StepStatus status = m_interpreter.Step(kLinesBetweenClockReads);
    while (status == StepStatus::Continue && Clock::now() < deadline) {
        status = m_interpreter.Step(kLinesBetweenClockReads, ProgramInterpreter::Answers::Keep);
    }
    if (status == StepStatus::Failed) {
        ShowStop();
    }
    return status;
}

void ProgramRunner::LoadProgram() {
    m_stopShown = false;
    m_editor.CollapseSelection();
    m_interpreter.SetProgram(m_editor.ReadProgram());
}

// The failing line is selected once per stop, so that the user may move the selection while
// the stop is shown.
void ProgramRunner::ShowStop() {
    if (m_stopShown || m_interpreter.FailedLine() < 0) {
        return;
    }
    m_stopShown = true;
    m_editor.SelectLine(m_interpreter.FailedLine());
}

}  // namespace zyk
