#pragma once
// Lock classes used everywhere: a recursive mutex with a timed wait (its owner may
// take it again, as the client's lock holders do), a counting semaphore, and the
// scoped holder CAccessRight.
#include <chrono>
#include <cstdint>
#include <mutex>
#include <semaphore>

namespace voltaro {

constexpr uint32_t kInfinite = 0xFFFFFFFFu;

class CSyncObjectInterface {
  public:
    virtual ~CSyncObjectInterface() = default;
    // True unless the wait timed out.
    virtual bool Lock(uint32_t timeoutMs = kInfinite) = 0;
    virtual void Unlock() = 0;
};

class CMutexObject : public CSyncObjectInterface {
  public:
    bool Lock(uint32_t timeoutMs = kInfinite) override;
    void Unlock() override;

  private:
    std::recursive_timed_mutex mutex_;
};

class CSemaphoreObject : public CSyncObjectInterface {
  public:
    // True only when a count was taken.
    bool Lock(uint32_t timeoutMs = kInfinite) override;
    // Releases one count.
    void Unlock() override;

  private:
    std::counting_semaphore<0x7FFFFFFF> semaphore_{0};
};

// Scoped holder: locks with an infinite wait on construction, unlocks on destruction.
class CAccessRight {
  public:
    explicit CAccessRight(CSyncObjectInterface& object) : object_(object), locked_(object.Lock()) {}
    ~CAccessRight() {
        if (locked_) object_.Unlock();
    }
    CAccessRight(const CAccessRight&) = delete;
    CAccessRight& operator=(const CAccessRight&) = delete;
    bool Locked() const { return locked_; }

  private:
    CSyncObjectInterface& object_;
    bool locked_;
};

}  // namespace voltaro
