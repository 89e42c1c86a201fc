#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/work/observer.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;

class Recorder : public CObserver {
  public:
    Recorder(int id, std::vector<std::pair<int, CObservable*>>& log) : id_(id), log_(log) {}
    void Update(CObservable* source) override { log_.emplace_back(id_, source); }

  private:
    int id_;
    std::vector<std::pair<int, CObservable*>>& log_;
};

TEST(Observer, NotifiesInAttachOrderAndOncePerAttach) {
    std::vector<std::pair<int, CObservable*>> log;
    CObservable observable, other;
    Recorder a(1, log), b(2, log);
    Attach(observable, b);
    Attach(observable, a);
    Attach(observable, b);
    observable.NotifyObservers();
    observable.NotifyObservers(&other);
    using Entry = std::pair<int, CObservable*>;
    EXPECT_EQ(log, (std::vector<Entry>{{2, &observable},
                                       {1, &observable},
                                       {2, &observable},
                                       {2, &other},
                                       {1, &other},
                                       {2, &other}}));
}

TEST(Observer, DestroyingEitherSideDetaches) {
    std::vector<std::pair<int, CObservable*>> log;
    CObservable observable;
    Recorder kept(1, log);
    {
        Recorder twice(2, log);
        Attach(observable, twice);
        Attach(observable, kept);
        Attach(observable, twice);
        EXPECT_EQ(observable.ObserverCount(), 3u);
    }
    EXPECT_EQ(observable.ObserverCount(), 1u);  // both entries of the destroyed observer
    observable.NotifyObservers();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].first, 1);

    auto temporary = std::make_unique<CObservable>();
    Attach(*temporary, kept);
    temporary.reset();  // kept must forget it, or its own destructor would touch freed memory
    observable.Detach(kept);
    EXPECT_EQ(observable.ObserverCount(), 0u);
}

TEST(MutexObject, OwnerMayLockAgainOthersWait) {
    CMutexObject mutex;
    ASSERT_TRUE(mutex.Lock());
    ASSERT_TRUE(mutex.Lock(0));  // recursive
    bool otherGot = true;
    std::thread([&] { otherGot = mutex.Lock(30); }).join();
    EXPECT_FALSE(otherGot);  // timed out while held
    mutex.Unlock();
    std::thread([&] { otherGot = mutex.Lock(30); }).join();
    EXPECT_FALSE(otherGot);  // still held once
    mutex.Unlock();
    std::thread([&] {
        otherGot = mutex.Lock(1000);
        if (otherGot) mutex.Unlock();
    }).join();
    EXPECT_TRUE(otherGot);
}

TEST(MutexObject, AccessRightExcludesOtherThreads) {
    CMutexObject mutex;
    int counter = 0;
    std::atomic<int> inside{0};
    std::atomic<bool> overlap{false};
    auto work = [&] {
        for (int i = 0; i < 2000; ++i) {
            CAccessRight right(mutex);
            if (++inside > 1) overlap = true;
            ++counter;
            --inside;
        }
    };
    std::thread t1(work), t2(work);
    t1.join();
    t2.join();
    EXPECT_FALSE(overlap);
    EXPECT_EQ(counter, 4000);
}

TEST(SemaphoreObject, CountsReleasesAndTimesOut) {
    CSemaphoreObject semaphore;
    EXPECT_FALSE(semaphore.Lock(10));  // starts at 0
    semaphore.Unlock();
    semaphore.Unlock();
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_FALSE(semaphore.Lock(0));
    std::thread releaser([&] {
        std::this_thread::sleep_for(10ms);
        semaphore.Unlock();
    });
    EXPECT_TRUE(semaphore.Lock());  // infinite wait ends with the release
    releaser.join();
}

}  // namespace
}  // namespace voltaro
