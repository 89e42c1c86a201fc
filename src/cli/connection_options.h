#pragma once
// The connection options shared by every voltaro-cli command that talks to a device:
//   --tcp HOST[:PORT]  --serial PATH|COMn  --infrared PATH|COMn
//   --address N (1-247)  --baud 1200..38400  --parity none|odd|even  --stop 1|2
// Each also accepts the --name=value form. Unset fields keep the profile's "ComSettings".
#include <string>
#include <vector>

#include "core/comm/com_settings.h"

namespace voltaro::cli {

struct ConnectionArguments {
    CComSettings settings;
    std::vector<std::string> rest;  // the arguments that are not connection options
    std::string error;              // non-empty: a usage error to print (exit 2)
};

// Takes the connection options out of args, applied on top of `base`.
ConnectionArguments ParseConnectionOptions(const std::vector<std::string>& args,
                                           const CComSettings& base);
// The same on top of the per-user profile's settings.
ConnectionArguments ParseConnectionOptions(const std::vector<std::string>& args);

// One usage line describing the options.
const char* ConnectionOptionsUsage();

}  // namespace voltaro::cli
