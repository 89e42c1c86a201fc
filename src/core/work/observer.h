#pragma once
// Observer notifications from workers to whoever watches them. An observable keeps
// its observers in attach order (the same observer once per attach); notifying runs
// on the notifying thread and takes no lock, so lists must not change while a worker
// may notify (attach before starting a worker, detach after it ended).
// User-interface observers (the desktop program) turn Update into a posted call on the
// UI thread; the core only defines the two roles.
#include <vector>

namespace voltaro {

class CObserver;

class CObservable {
  public:
    CObservable() = default;
    CObservable(const CObservable&) = delete;
    CObservable& operator=(const CObservable&) = delete;
    virtual ~CObservable();

    // Calls Update(source) of every attached observer in list order; a null source
    // passes this observable itself.
    void NotifyObservers(CObservable* source = nullptr);
    // Removes every occurrence of observer (and this observable from its list).
    void Detach(CObserver& observer);
    std::size_t ObserverCount() const { return observers_.size(); }

  private:
    friend class CObserver;
    friend void Attach(CObservable& observable, CObserver& observer);
    std::vector<CObserver*> observers_;
};

class CObserver {
  public:
    CObserver() = default;
    CObserver(const CObserver&) = delete;
    CObserver& operator=(const CObserver&) = delete;
    // Removes this observer (every occurrence) from every observable it is attached to.
    virtual ~CObserver();
    virtual void Update(CObservable* source) = 0;

  protected:
    // Detaches from every observable; subclasses whose Update touches members call
    // this first in their own destructor.
    void DetachAll();

  private:
    friend class CObservable;
    friend void Attach(CObservable& observable, CObserver& observer);
    std::vector<CObservable*> observables_;
};

// Appends observer to observable's list and observable to observer's list.
void Attach(CObservable& observable, CObserver& observer);

}  // namespace voltaro
