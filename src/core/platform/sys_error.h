#pragma once
// System error texts: the description of an errno value or of a resolver error, in the
// active language for the values the program can show (the system's English text otherwise).
#include <span>
#include <string>

#include "core/platform/string_table.h"

namespace voltaro {

namespace strings {
// The English texts of the values (system_error_ids.h), part of the English table.
extern const std::span<const StringEntry> kSystemErrors;
}  // namespace strings

std::string SystemErrorText(int errnoValue);
std::string ResolverErrorText(int gaiError);

}  // namespace voltaro
