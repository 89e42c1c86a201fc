// voltaro-cli protect: turns the device's Modbus passcode protection on, changes its
// passcode or turns it off (--new 0).
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "core/comm/modbus_interface.h"
#include "core/device/passcode_protection.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

int RunProtect(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("protect", parsed.error);
    std::string error;
    std::optional<std::string> currentText = TakeOption(parsed.rest, "--current", error);
    std::optional<std::string> newText = TakeOption(parsed.rest, "--new", error);
    if (!error.empty()) return UsageError("protect", error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("protect", unknown);
    if (!parsed.rest.empty())
        return UsageError("protect", "unexpected argument \"" + parsed.rest[0] + "\"");
    if (!newText) return UsageError("protect", "needs --new M (0 turns protection off)");
    ProtectionChange change;
    std::optional<uint32_t> value;
    if (currentText) {
        if (!(value = ParsePasscode(*currentText)))
            return UsageError("protect", "--current must be 0 to 999999999");
        change.current = *value;
    }
    if (!(value = ParsePasscode(*newText)))
        return UsageError("protect", "--new must be 0 to 999999999");
    change.newPasscode = *value;
    try {
        CModbusInterface client(parsed.settings);
        CliPasscodeInteraction ui("protect", std::nullopt, false);
        ui.change = change;
        CPasscodeProtection protection(ui);
        if (!protection.ChangeProtection(client)) return kExitFailure;
        if (!QuietOutput())
            std::printf("%s\n", LoadString(change.newPasscode ? kTextCliProtectionOn
                                                              : kTextCliProtectionOff)
                                    .c_str());
    } catch (const CPrivateException& e) {
        return Failure("protect", e.Message());
    }
    return kExitOk;
}

const CommandRegistrar kProtect("protect",
                                std::string("protect [--current N] --new M  (M = 0: off) ") +
                                    ConnectionOptionsUsage(),
                                RunProtect);

}  // namespace
}  // namespace voltaro::cli
