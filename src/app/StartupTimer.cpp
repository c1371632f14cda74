#include "app/StartupTimer.h"

#include <sys/resource.h>

namespace zyk {
namespace {

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

struct CpuTime {
    double userMs = 0.0;
    double systemMs = 0.0;
};

CpuTime ProcessCpuTime() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {Milliseconds(usage.ru_utime), Milliseconds(usage.ru_stime)};
}

}  // namespace

StartupTimer::StartupTimer() : m_started(std::chrono::steady_clock::now()) {
    const CpuTime cpu = ProcessCpuTime();
    m_cpuBeforeStartMs = cpu.userMs + cpu.systemMs;
}

QString StartupTimer::Report() const {
    const double sinceStartMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_started)
            .count();
    const CpuTime cpu = ProcessCpuTime();
    return QStringLiteral(
               "first paint: %1 ms after the start (%2 ms of CPU before the application "
               "started, %3 ms from there to the first paint)\n"
               "CPU time until the first paint: %4 ms (user %5 ms, system %6 ms)\n")
        .arg(m_cpuBeforeStartMs + sinceStartMs, 0, 'f', 1)
        .arg(m_cpuBeforeStartMs, 0, 'f', 1)
        .arg(sinceStartMs, 0, 'f', 1)
        .arg(cpu.userMs + cpu.systemMs, 0, 'f', 1)
        .arg(cpu.userMs, 0, 'f', 1)
        .arg(cpu.systemMs, 0, 'f', 1);
}

}  // namespace zyk
