#pragma once
// An observer that records every notification it receives, for the widget tests.
#include <vector>

#include "core/work/observer.h"

namespace voltaro::test {

class RecordingObserver : public CObserver {
  public:
    void Update(CObservable* source) override { sources.push_back(source); }
    std::vector<CObservable*> sources;
};

}  // namespace voltaro::test
