#include "console/RunTimeLimit.h"

#include <chrono>
#include <cstdlib>
#include <ostream>

#include "console/ConsoleContext.h"

namespace zyk {

RunTimeLimit::RunTimeLimit(double seconds, std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_watch([this, seconds] { Watch(seconds); }) {}

RunTimeLimit::~RunTimeLimit() {
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_calledOff.notify_one();
    m_watch.join();
}

void RunTimeLimit::Watch(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));
    std::unique_lock lock(m_mutex);
    if (m_calledOff.wait_until(lock, deadline, [this] { return m_done; })) {
        return;
    }
    // The standard streams may be used from two threads; what the program printed is kept.
    m_out.flush();
    m_err << "zykcalc: the program ran longer than --max-seconds allows and was stopped\n";
    m_err.flush();
    std::_Exit(kExitTimeLimit);
}

}  // namespace zyk
