#include "cli/connection_options.h"

#include "core/comm/connection_values.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

// The rules live with the core, so that a fleet file checks its values as the command line does.
std::string Apply(const std::string& name, const std::string& value, CComSettings& s) {
    return ApplyConnectionValue(name, value, s);
}

bool IsConnectionOption(const std::string& name) {
    return IsConnectionValueName(name);
}

}  // namespace

ConnectionArguments ParseConnectionOptions(const std::vector<std::string>& args,
                                           const CComSettings& base) {
    ConnectionArguments result{base, {}, {}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (!IsConnectionOption(name)) {
            result.rest.push_back(args[i]);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                result.error = FormatMessageId(kTextCliNeedsValue, {name});
                return result;
            }
            value = args[++i];
        }
        if (std::string error = Apply(name, value, result.settings); !error.empty()) {
            result.error = error + FormatMessageId(kTextCliGot, {value});
            return result;
        }
    }
    return result;
}

ConnectionArguments ParseConnectionOptions(const std::vector<std::string>& args) {
    return ParseConnectionOptions(args, CComSettings::LoadFromUserProfile());
}

const char* ConnectionOptionsUsage() {
    return "[--tcp HOST[:PORT] | --serial PATH|COMn | --infrared PATH|COMn] [--address N] "
           "[--baud B] [--parity none|odd|even] [--stop 1|2]";
}

}  // namespace voltaro::cli
