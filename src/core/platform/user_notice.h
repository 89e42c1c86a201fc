#pragma once
// Problems the program finds on its own and goes on despite (a settings file it cannot
// read, an invalid stored setting): the user is told each once per run, without stopping
// the work. voltaro-cli prints them on standard error; the desktop program may show them
// its own way by installing a handler.
#include <functional>
#include <string>

namespace voltaro {

// Tells text to the user, unless the same text was told before in this process.
void TellUserOnce(const std::string& text);
// Tells text every time (a state that may come again, such as a wait).
void TellUser(const std::string& text);

// Replaces the way notices are told (the default prints "PROGRAM: text" on standard
// error). An empty handler returns to the default. Returns the previous handler.
using NoticeHandler = std::function<void(const std::string&)>;
NoticeHandler SetNoticeHandler(NoticeHandler handler);

// Forgets the texts told so far (tests).
void ForgetToldNotices();

}  // namespace voltaro
