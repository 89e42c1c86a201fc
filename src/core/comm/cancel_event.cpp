#include "core/comm/cancel_event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

namespace voltaro {

CCancelEvent::CCancelEvent() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

CCancelEvent::~CCancelEvent() {
    if (fd_ >= 0) ::close(fd_);
}

void CCancelEvent::Signal() {
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
    pending_.store(true, std::memory_order_release);
}

void CCancelEvent::Clear() {
    if (!pending_.exchange(false, std::memory_order_acq_rel)) return;
    uint64_t value = 0;
    [[maybe_unused]] ssize_t n = ::read(fd_, &value, sizeof value);
}

bool CCancelEvent::IsSignalled() const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

int WaitReady(int fd, short events, const CCancelEvent* cancel, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        pollfd fds[2] = {{fd, events, 0}, {cancel ? cancel->fd() : -1, POLLIN, 0}};
        int wait = -1;
        if (timeoutMs >= 0) {
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            wait = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        }
        int r = ::poll(fds, cancel ? 2 : 1, wait);
        if (r < 0) {
            if (errno == EINTR) continue;
            return -2;
        }
        if (cancel && (fds[1].revents & POLLIN)) return -1;
        if (fds[0].revents != 0) return 1;
        if (r == 0) return 0;
    }
}

}  // namespace voltaro
