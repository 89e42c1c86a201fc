#include "cli/monitor_interrupt.h"

#include <poll.h>

#include <cerrno>

#include "core/comm/modbus_interface.h"

namespace voltaro::cli {
namespace {

// How often the abort is repeated once interrupted: an abort that lands between two
// exchanges is cleared by the next one, so it is given again until the pass has ended.
constexpr int kAbortRepeatMs = 10;

std::atomic<CCancelEvent*> signalEvent{nullptr};

extern "C" void OnInterrupt(int) {
    // Only an atomic load and the event's write() happen here.
    if (CCancelEvent* event = signalEvent.load()) event->Signal();
}

}  // namespace

CInterruptWatch::CInterruptWatch(CModbusInterface& client) : client_(client) {
    signalEvent = &signalled_;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The handler is reset at its first call: a second Ctrl-C ends the program at once.
    // Calls that the signal interrupts are restarted (a write to standard output must
    // not fail because of it).
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, &previousInt_);
    sigaction(SIGTERM, &action, &previousTerm_);
    thread_ = std::thread([this] { Run(); });
}

CInterruptWatch::~CInterruptWatch() {
    sigaction(SIGINT, &previousInt_, nullptr);
    sigaction(SIGTERM, &previousTerm_, nullptr);
    signalEvent = nullptr;
    quit_.Signal();
    thread_.join();
}

bool CInterruptWatch::WaitUntil(std::chrono::steady_clock::time_point until) {
    std::unique_lock<std::mutex> lock(mutex_);
    return !wake_.wait_until(lock, until, [this] { return interrupted_.load(); });
}

void CInterruptWatch::Run() {
    for (;;) {
        pollfd fds[2] = {{quit_.fd(), POLLIN, 0}, {signalled_.fd(), POLLIN, 0}};
        const int r = ::poll(fds, 2, interrupted_ ? kAbortRepeatMs : -1);
        if (r < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) return;
        if (fds[1].revents & POLLIN) {
            signalled_.Clear();
            {
                std::lock_guard<std::mutex> lock(mutex_);
                interrupted_ = true;
            }
            wake_.notify_all();
        }
        if (interrupted_) client_.RequestAbort();
    }
}

}  // namespace voltaro::cli
