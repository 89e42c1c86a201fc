// Linked into every program of a ThreadSanitizer build, and only there.
//
// The standard library's timed mutexes wait with pthread_mutex_clocklock on the monotonic
// clock, and the ThreadSanitizer of our compiler does not intercept that call: it would not
// see a lock taken with a time-out, would miss the ordering that lock gives, and would
// report the matching unlock as the unlock of an unlocked mutex. This definition takes the
// place of the C library's and waits with pthread_mutex_timedlock, which the sanitizer
// does intercept, until the same moment expressed on the realtime clock.
#include <pthread.h>
#include <time.h>

namespace {

constexpr long kNanosecondsPerSecond = 1000000000L;

timespec RealtimeDeadline(clockid_t clock, const timespec& deadline) {
    timespec now{};
    timespec realNow{};
    clock_gettime(clock, &now);
    clock_gettime(CLOCK_REALTIME, &realNow);
    timespec result{};
    result.tv_sec = realNow.tv_sec + (deadline.tv_sec - now.tv_sec);
    result.tv_nsec = realNow.tv_nsec + (deadline.tv_nsec - now.tv_nsec);
    while (result.tv_nsec < 0) {
        result.tv_nsec += kNanosecondsPerSecond;
        --result.tv_sec;
    }
    while (result.tv_nsec >= kNanosecondsPerSecond) {
        result.tv_nsec -= kNanosecondsPerSecond;
        ++result.tv_sec;
    }
    return result;
}

}  // namespace

extern "C" int pthread_mutex_clocklock(pthread_mutex_t* mutex, clockid_t clock,
                                       const timespec* deadline) {
    if (clock == CLOCK_REALTIME) return pthread_mutex_timedlock(mutex, deadline);
    const timespec realtime = RealtimeDeadline(clock, *deadline);
    return pthread_mutex_timedlock(mutex, &realtime);
}
