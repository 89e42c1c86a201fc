#include "core/work/sync_objects.h"

namespace voltaro {

bool CMutexObject::Lock(uint32_t timeoutMs) {
    if (timeoutMs == kInfinite) {
        mutex_.lock();
        return true;
    }
    return mutex_.try_lock_for(std::chrono::milliseconds(timeoutMs));
}

void CMutexObject::Unlock() {
    mutex_.unlock();
}

bool CSemaphoreObject::Lock(uint32_t timeoutMs) {
    if (timeoutMs == kInfinite) {
        semaphore_.acquire();
        return true;
    }
    return semaphore_.try_acquire_for(std::chrono::milliseconds(timeoutMs));
}

void CSemaphoreObject::Unlock() {
    semaphore_.release();
}

}  // namespace voltaro
