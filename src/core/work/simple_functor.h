#pragma once
// CSimpleFunctor: a unit of work for the background executor. It holds a shared,
// reference-counted call target; Invoke calls the target and then notifies the
// functor's observers (on the thread that invoked it, normally the executor's).
// Copies share the target (the last copy destroys it) but each copy has observers of
// its own.
#include <concepts>
#include <memory>
#include <type_traits>
#include <utility>

#include "core/work/observer.h"

namespace voltaro {

class CSimpleFunctor : public CObservable {
  public:
    // The call target.
    class ProxyInterface {
      public:
        virtual ~ProxyInterface() = default;
        virtual void operator()() = 0;
    };

    // A parameterless member function bound to its object (the object must outlive
    // every run of the functor).
    template <typename T>
    class ClassFuncProxy : public ProxyInterface {
      public:
        ClassFuncProxy(T* object, void (T::*member)()) : object_(object), member_(member) {}
        void operator()() override { (object_->*member_)(); }

      private:
        T* object_;
        void (T::*member_)();
    };

    // Without a target: Invoke only notifies.
    CSimpleFunctor() = default;

    template <typename F>
    requires std::invocable<F&> &&
        (!std::is_base_of_v<CSimpleFunctor, std::decay_t<F>>)explicit CSimpleFunctor(F&& callable)
        : target_(std::make_shared<CallableProxy<std::decay_t<F>>>(std::forward<F>(callable))) {}

    template <typename T>
    CSimpleFunctor(T* object, void (T::*member)())
        : target_(std::make_shared<ClassFuncProxy<T>>(object, member)) {}

    // Shares other's target; observers are not copied.
    CSimpleFunctor(const CSimpleFunctor& other) : CObservable(), target_(other.target_) {}
    CSimpleFunctor& operator=(const CSimpleFunctor& other) {
        target_ = other.target_;
        return *this;
    }

    // Calls the target, then Update(this) on every observer. An exception of the target
    // propagates and the observers are not notified.
    void Invoke();

    bool HasTarget() const { return target_ != nullptr; }
    // Number of functors sharing the target (0 without one).
    long TargetUseCount() const { return target_.use_count(); }

  private:
    template <typename F>
    class CallableProxy : public ProxyInterface {
      public:
        template <typename G>
        explicit CallableProxy(G&& f) : f_(std::forward<G>(f)) {}
        void operator()() override { f_(); }

      private:
        F f_;
    };

    std::shared_ptr<ProxyInterface> target_;
};

}  // namespace voltaro
