#pragma once
// The user's Cancel, travelling out of an operation it cut short (a read of the Modbus
// client, a connect, a transfer). It is no failure and carries no message.
//
// CCancelled is deliberately not a CPrivateException: the handlers that report failures
// catch CPrivateException, and a Cancel must never reach one of them by mistake (it used
// to travel as a CPrivateException with an empty text, and every such handler had to know
// that an empty text meant "say nothing"). It derives from std::exception only so that a
// last-resort catch (std::exception) still ends it instead of the process; the two core
// handlers that turn any std::exception into a message (the transfers' wrapping and the
// transfer thread) let it pass first.
#include <exception>

namespace voltaro {

class CCancelled : public std::exception {
  public:
    const char* what() const noexcept override { return "cancelled"; }
};

}  // namespace voltaro
