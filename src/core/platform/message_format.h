#pragma once
// Message formatting with positional inserts, as the string table's messages use them:
// "%1!s!", "%2!d!", "%1!lu!" (insert n with a printf conversion), "%1" (insert 1 as text),
// the plain sequential forms "%s", "%d", "%.1lf" that some messages use, and "%%".
// A translated table may therefore reorder the positional inserts.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace voltaro {

class MessageArg {
  public:
    enum class Kind { Signed, Unsigned, Real, Text };

    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    MessageArg(T v) : kind_(Kind::Signed), signed_(v) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_signed_v<T> &&
                                               !std::is_same_v<T, bool>,
                                           int> = 0>
    MessageArg(T v) : kind_(Kind::Unsigned), unsigned_(v) {}
    MessageArg(double v) : kind_(Kind::Real), real_(v) {}
    MessageArg(const char* v) : kind_(Kind::Text), text_(v ? v : "") {}
    MessageArg(std::string v) : kind_(Kind::Text), text_(std::move(v)) {}
    MessageArg(std::string_view v) : kind_(Kind::Text), text_(v) {}

    Kind kind() const { return kind_; }
    long long AsSigned() const;
    unsigned long long AsUnsigned() const;
    double AsReal() const;
    std::string AsText() const;

  private:
    Kind kind_;
    long long signed_ = 0;
    unsigned long long unsigned_ = 0;
    double real_ = 0;
    std::string text_;
};

std::string FormatMessageText(std::string_view pattern, std::span<const MessageArg> args);
std::string FormatMessageText(std::string_view pattern, std::initializer_list<MessageArg> args);
// The inserts of pattern in order of appearance: positional ones as "%n!format!" (a bare
// "%n" as "%n!s!"), plain sequential ones as "%format" ("%s", "%.1lf"); "%%" is no insert.
std::vector<std::string> MessageInserts(std::string_view pattern);
// The active language's text of id, formatted with args.
std::string FormatMessageId(int id, std::initializer_list<MessageArg> args);
std::string FormatMessageId(int id, const std::vector<MessageArg>& args);

}  // namespace voltaro
