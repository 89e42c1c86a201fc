#pragma once
// The values a connection option takes, checked and applied to connection settings. The
// command line (--tcp, --address, ...) and the fleet file (tcp =, address =, ...) share
// these rules.
#include <string>

#include "core/comm/com_settings.h"

namespace voltaro {

// Applies one option by its command-line name ("--tcp", "--serial", "--infrared",
// "--address", "--baud", "--parity", "--stop") with its value to s. Returns the error
// text (settings then partly changed), or "" when the value is right.
std::string ApplyConnectionValue(const std::string& name, const std::string& value,
                                 CComSettings& s);

// Whether name is one of the options ApplyConnectionValue knows.
bool IsConnectionValueName(const std::string& name);

}  // namespace voltaro
