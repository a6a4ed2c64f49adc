#include "Watchdog.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include <unistd.h>

#ifdef MONKEY_HAVE_SANITIZER_CALLBACK
#include <sanitizer/common_interface_defs.h>
#endif

namespace {
using Clock = std::chrono::steady_clock;

// Read from a signal handler and the watchdog thread: a fixed buffer.
char g_lastAction[1024] = "(before the first action)";
std::atomic<int64_t> g_actionStart{0}; // nanoseconds on the steady clock; 0 while paused
std::mutex g_longestMutex;
double g_longest = 0;
QByteArray g_longestAction;
QByteArray g_current;

int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

void WriteLastAction(const char* why)
{
    // Only async-signal-safe calls: this runs in signal handlers too.
    const char* parts[] = {"\nmonkey: ", why, "; the last action was: ", g_lastAction, "\n"};
    for (const char* part : parts)
        if (::write(2, part, std::strlen(part)) < 0)
            return;
}

void NoteElapsed()
{
    const int64_t start = g_actionStart.load();
    if (start == 0)
        return;
    const double seconds = double(Now() - start) / 1e9;
    const std::lock_guard<std::mutex> lock(g_longestMutex);
    if (seconds > g_longest) {
        g_longest = seconds;
        g_longestAction = g_current;
    }
}

extern "C" void OnFatalSignal(int signal)
{
    WriteLastAction(signal == SIGABRT ? "the run aborted" : "the run died of a signal");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#ifdef MONKEY_HAVE_SANITIZER_CALLBACK
extern "C" void OnSanitizerDeath()
{
    WriteLastAction("a sanitizer ended the run");
}
#endif
} // namespace

// An undefined behaviour report ends the run through abort(), where the last
// action is named.
extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1:abort_on_error=1";
}

void StartWatchdog(double limitSeconds)
{
#ifdef MONKEY_HAVE_SANITIZER_CALLBACK
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
    // A fault is the sanitizer's to report (on its own stack, so that a
    // stack overflow is reported too); an abort is ours.
    std::signal(SIGABRT, OnFatalSignal);
    if (limitSeconds <= 0)
        return;
    const auto limit = int64_t(limitSeconds * 1e9);
    std::thread([limit] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const int64_t start = g_actionStart.load();
            if (start != 0 && Now() - start > limit) {
                char why[96];
                std::snprintf(why, sizeof why, "HANG: an action has not returned within %.1f s",
                              double(limit) / 1e9);
                WriteLastAction(why);
                std::_Exit(3);
            }
        }
    }).detach();
}

void WatchAction(const QByteArray& line)
{
    NoteElapsed();
    const size_t n = std::min(sizeof g_lastAction - 1, size_t(line.size()));
    g_actionStart.store(0);
    std::memcpy(g_lastAction, line.constData(), n);
    g_lastAction[n] = 0;
    {
        const std::lock_guard<std::mutex> lock(g_longestMutex);
        g_current = line;
    }
    g_actionStart.store(Now());
}

void WatchNextStep()
{
    if (g_actionStart.load() == 0)
        return;
    NoteElapsed();
    g_actionStart.store(Now());
}

void PauseWatch()
{
    NoteElapsed();
    g_actionStart.store(0);
}

double LongestWaitSeconds()
{
    const std::lock_guard<std::mutex> lock(g_longestMutex);
    return g_longest;
}

QByteArray LongestWaitAction()
{
    const std::lock_guard<std::mutex> lock(g_longestMutex);
    return g_longestAction;
}
