#include "core/work/observer.h"

#include <algorithm>

namespace voltaro {

CObservable::~CObservable() {
    for (CObserver* observer : observers_) {
        auto& list = observer->observables_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void CObservable::NotifyObservers(CObservable* source) {
    CObservable* passed = source ? source : this;
    // Index loop: an observer may detach itself from inside Update.
    for (std::size_t i = 0; i < observers_.size(); ++i)
        observers_[i]->Update(passed);
}

void CObservable::Detach(CObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
    auto& list = observer.observables_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

CObserver::~CObserver() {
    DetachAll();
}

void CObserver::DetachAll() {
    std::vector<CObservable*> observables;
    observables.swap(observables_);
    for (CObservable* observable : observables) {
        auto& list = observable->observers_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void Attach(CObservable& observable, CObserver& observer) {
    observable.observers_.push_back(&observer);
    observer.observables_.push_back(&observable);
}

}  // namespace voltaro
