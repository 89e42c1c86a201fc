#include "core/work/simple_functor.h"

namespace voltaro {

void CSimpleFunctor::Invoke() {
    // A local reference keeps the target alive even if the functor is reassigned while
    // the target runs.
    std::shared_ptr<ProxyInterface> target = target_;
    if (target) (*target)();
    NotifyObservers();
}

}  // namespace voltaro
