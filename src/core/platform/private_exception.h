#pragma once
// The program's one exception type: every failure that the user is to see travels
// as a CPrivateException carrying exactly one formatted message text. The user's Cancel
// is no failure and travels as CCancelled (core/platform/cancelled.h).
#include <cstddef>
#include <exception>
#include <string>

namespace voltaro {

class CPrivateException : public std::exception {
  public:
    // The text as given.
    explicit CPrivateException(std::string message);
    // The string-table text of stringId.
    explicit CPrivateException(int stringId);
    // The string-table text of stringId with %1!s! replaced by the system's
    // description of errno value systemError.
    CPrivateException(int stringId, int systemError);

    // stringId's text with %1!s! replaced by an already known system text
    // (for example the resolver's description of a getaddrinfo error).
    static CPrivateException WithSystemText(int stringId, const std::string& systemText);

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

    // Copies at most size - 1 characters, always terminates the buffer, returns true.
    bool GetErrorMessage(char* buffer, std::size_t size) const;

  private:
    std::string message_;
};

}  // namespace voltaro
