#pragma once
// System error texts: the description of an errno value or of a resolver error.
#include <string>

namespace voltaro {

std::string SystemErrorText(int errnoValue);
std::string ResolverErrorText(int gaiError);

}  // namespace voltaro
