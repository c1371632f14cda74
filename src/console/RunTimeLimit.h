#pragma once

#include <condition_variable>
#include <iosfwd>
#include <mutex>
#include <thread>

namespace zyk {

// Ends the process when a program runs longer than --max-seconds allows: a watch thread waits
// for the deadline and then writes a message, flushes the output and exits with
// kExitTimeLimit. A thread, not a check between statements, so that a program blocked in an
// input is stopped too. Destroying the limit before its deadline calls the watch off.
class RunTimeLimit {
public:
    RunTimeLimit(double seconds, std::ostream& out, std::ostream& err);
    ~RunTimeLimit();
    RunTimeLimit(const RunTimeLimit&) = delete;
    RunTimeLimit& operator=(const RunTimeLimit&) = delete;

private:
    void Watch(double seconds);

    std::ostream& m_out;
    std::ostream& m_err;
    std::mutex m_mutex;
    std::condition_variable m_calledOff;
    bool m_done = false;
    std::thread m_watch;  // last: it starts once everything above is ready
};

}  // namespace zyk
