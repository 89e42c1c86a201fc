#include "cli/maintenance_support.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli_command.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/device/device_link.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"

namespace voltaro::cli {

CliMaintenanceInteraction::CliMaintenanceInteraction(std::string command,
                                                     std::optional<uint32_t> passcode,
                                                     bool remember, bool yes)
    : CliPasscodeInteraction(command, passcode, remember), name_(std::move(command)), yes_(yes) {}

bool CliMaintenanceInteraction::Confirm(const std::string& text) {
    if (yes_) return true;
    if (::isatty(STDIN_FILENO) != 1 || ::isatty(STDERR_FILENO) != 1) {
        std::fprintf(stderr, "voltaro-cli %s: %s\n", name_.c_str(),
                     FormatMessageId(kMsgConfirmNeedsYes, {"voltaro-cli " + name_}).c_str());
        return false;
    }
    std::fputs(FormatMessageId(kMsgConfirmPrompt, {text}).c_str(), stderr);
    std::fflush(stderr);
    // Read through stdio: iostreams would cost every start of the program their set-up.
    char* line = nullptr;
    std::size_t size = 0;
    const ssize_t length = ::getline(&line, &size, stdin);
    std::string answer = length > 0 ? std::string(line, static_cast<std::size_t>(length)) : "";
    std::free(line);
    if (length < 0) return false;
    if (!answer.empty() && answer.back() == '\n') answer.pop_back();
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
}

bool ParseMaintenanceArguments(const char* command, const std::vector<std::string>& args,
                               MaintenanceArguments& out, int& exitCode) {
    out.connection = ParseConnectionOptions(args);
    std::vector<std::string>& rest = out.connection.rest;
    std::string error = out.connection.error;
    const std::optional<std::string> passcode = TakeOption(rest, "--passcode", error);
    const std::optional<std::string> channel = TakeOption(rest, "--channel", error);
    out.remember = TakeFlag(rest, "--remember");
    out.yes = TakeFlag(rest, "--yes");
    if (error.empty() && passcode && !(out.passcode = ParsePasscode(*passcode)))
        error = "--passcode must be 0 to 999999999";
    if (error.empty() && channel) {
        const bool digits = !channel->empty() && channel->size() <= 2 &&
                            channel->find_first_not_of("0123456789") == std::string::npos;
        const int number = digits ? std::stoi(*channel) : 0;
        if (number < 1 || number > kInputCount) error = FormatMessageId(kMsgChannelRange, {});
        out.channel = number - 1;
        out.channelGiven = true;
    }
    if (error.empty()) return true;
    exitCode = UsageError(command, error);
    return false;
}

CDeviceType IdentifyDevice(CModbusInterface& client) {
    CDeviceLink link(client);
    return ReadFromDevice(client);
}

bool CheckChannel(const char* command, const MaintenanceArguments& args, const CDeviceType& type) {
    const int inputs = type.ioConfig[kIoMeasuringInputs];
    if (type.HasFeature(0, FAM_ZC)) {
        if (args.channel < inputs) return true;
        UsageError(command, FormatMessageId(kMsgChannelRange, {}));
        return false;
    }
    if (args.channel == 0 || (args.channel == 1 && inputs >= 2)) return true;
    UsageError(command, FormatMessageId(
                            args.channel == 1 ? kMsgSecondChannelMissing : kMsgChannelRange, {}));
    return false;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void PrintLine(const std::string& text) {
    std::printf("%s\n", text.c_str());
}

}  // namespace voltaro::cli
