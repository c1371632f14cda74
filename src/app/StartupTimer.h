#pragma once

#include <QString>

#include <chrono>

namespace zyk {

// The figures of --startup-time: how long the calculator takes from its start until its main
// window has been painted for the first time, measured inside the program. Made as early as
// possible in the application's start; the time before it (the dynamic loader, static
// initialisation) is taken as the CPU time the process used until then, which is its wall time
// when the libraries come from the disk cache.
class StartupTimer {
public:
    StartupTimer();

    // The figures from the start until now, two lines.
    QString Report() const;

private:
    std::chrono::steady_clock::time_point m_started;
    double m_cpuBeforeStartMs = 0.0;
};

}  // namespace zyk
