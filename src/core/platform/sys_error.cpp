#include "core/platform/sys_error.h"

#include <netdb.h>

#include <cstring>

namespace voltaro {

std::string SystemErrorText(int errnoValue) {
    char buffer[256];
    buffer[0] = '\0';
    // GNU strerror_r returns a pointer that may or may not be the buffer.
    const char* text = strerror_r(errnoValue, buffer, sizeof buffer);
    return text ? std::string(text) : std::string();
}

std::string ResolverErrorText(int gaiError) {
    const char* text = gai_strerror(gaiError);
    return text ? std::string(text) : std::string();
}

}  // namespace voltaro
