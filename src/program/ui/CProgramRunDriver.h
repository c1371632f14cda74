#pragma once

#include <QObject>
#include <QTimer>

#include "program/ProgramRunner.h"

namespace zyk {

// Drives a program run from the event loop: one time slice after another while the program
// computes, each followed by the window's events (painting, keys, AC), and a pause of one second
// while an entered value is shown. It sleeps while the program waits for EXE.
class CProgramRunDriver : public QObject {
    Q_OBJECT

public:
    explicit CProgramRunDriver(ProgramRunner& runner, QObject* parent = nullptr);

    // The program may have something to do (a start, EXE, AC): the next slice runs soon. A
    // slice already due, or the shown value's second, is not cut short, unless the run was
    // stopped meanwhile.
    void Wake();
    // A slice or the end of a shown value is due.
    bool IsActive() const { return m_timer.isActive(); }

signals:
    // The calculator's display lines may have changed: the main window shows them again.
    void DisplayChanged();

private:
    void RunSlice();

    ProgramRunner& m_runner;
    QTimer m_timer;
    bool m_holding = false;
};

}  // namespace zyk
