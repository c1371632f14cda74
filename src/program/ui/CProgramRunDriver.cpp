#include "program/ui/CProgramRunDriver.h"

namespace zyk {

CProgramRunDriver::CProgramRunDriver(ProgramRunner& runner, QObject* parent)
    : QObject(parent), m_runner(runner) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CProgramRunDriver::RunSlice);
}

void CProgramRunDriver::Wake() {
    const bool holdEnded = m_holding && !m_runner.IsComputing();
    if (m_timer.isActive() && !holdEnded) {
        return;
    }
    m_holding = false;
    m_timer.start(0);
}

void CProgramRunDriver::RunSlice() {
    m_holding = false;
    const StepStatus status = m_runner.RunSlice();
    emit DisplayChanged();
    if (status == StepStatus::Continue) {
        m_timer.start(0);
    } else if (status == StepStatus::Holding) {
        m_holding = true;
        m_timer.start(ProgramInterpreter::kInputEchoMilliseconds);
    }
}

}  // namespace zyk
