#include "core/platform/private_exception.h"

#include <cstring>

#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"

namespace voltaro {

CPrivateException::CPrivateException(std::string message) : message_(std::move(message)) {}

CPrivateException::CPrivateException(int stringId) : message_(LoadString(stringId)) {}

CPrivateException::CPrivateException(int stringId, int systemError)
    : message_(FormatMessageId(stringId, {SystemErrorText(systemError)})) {}

CPrivateException CPrivateException::WithSystemText(int stringId, const std::string& systemText) {
    return CPrivateException(FormatMessageId(stringId, {systemText}));
}

bool CPrivateException::GetErrorMessage(char* buffer, std::size_t size) const {
    if (buffer == nullptr || size == 0) return true;
    std::size_t n = message_.size() < size - 1 ? message_.size() : size - 1;
    std::memcpy(buffer, message_.data(), n);
    buffer[n] = '\0';
    return true;
}

}  // namespace voltaro
