#include "cli/command_help.h"

#include <algorithm>
#include <cctype>

#include "cli/cli_command.h"
#include "core/platform/config_text_ids.h"
#include "core/platform/fleet_text_ids.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/scan_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

// Width of the command column of --help.
constexpr std::size_t kNameColumn = 14;

constexpr CommandHelp kHelp[] = {
    {"ports", kTextCliSummaryPorts, kTextCliHelpPorts, false, "voltaro-cli ports"},
    {"identify", kTextCliSummaryIdentify, kTextCliHelpIdentify, true,
     "voltaro-cli identify --tcp 192.0.2.10"},
    {"read", kTextCliSummaryRead, kTextCliHelpRead, true,
     "voltaro-cli read 9600 4 --serial /dev/ttyUSB0 --address 3 --baud 19200"},
    {"models", kTextCliSummaryModels, kTextCliHelpModels, false, "voltaro-cli models"},
    {"params", kTextCliSummaryParams, kTextCliHelpParams, false, "voltaro-cli params --row 4"},
    {"upload", kTextCliSummaryUpload, kTextCliHelpUpload, true,
     "voltaro-cli upload panel3.cfg --tcp 192.0.2.10"},
    {"download", kTextCliSummaryDownload, kTextCliHelpDownload, true,
     "voltaro-cli download panel3.cfg --passcode 1234 --tcp 192.0.2.10"},
    {"compare", kTextCliSummaryCompare, kTextCliHelpCompare, true,
     "voltaro-cli compare panel3.cfg --infrared /dev/ttyUSB1"},
    {"report", kTextCliSummaryReport, kTextCliHelpReport, true,
     "voltaro-cli report panel3.cfg --csv panel3.csv"},
    {"protect", kTextCliSummaryProtect, kTextCliHelpProtect, true,
     "voltaro-cli protect --new 4711 --tcp 192.0.2.10"},
    {"monitor", kTextCliSummaryMonitor, kMsgMonitorUsage, true,
     "voltaro-cli monitor --once --json --tcp 192.0.2.10"},
    {"clock", kTextCliSummaryClock, kTextCliHelpClock, true,
     "voltaro-cli clock --sync --tcp 192.0.2.10"},
    {"reset", kTextCliSummaryReset, kTextCliHelpReset, true,
     "voltaro-cli reset maxmin --yes --tcp 192.0.2.10"},
    {"tag", kTextCliSummaryTag, kTextCliHelpTag, true,
     "voltaro-cli tag --set \"Feeder 3\" --tcp 192.0.2.10"},
    {"preset", kTextCliSummaryPreset, kTextCliHelpPreset, true,
     "voltaro-cli preset \"Active in\" 1234.5 --yes --tcp 192.0.2.10"},
    {"loop-test", kTextCliSummaryLoopTest, kTextCliHelpLoopTest, true,
     "voltaro-cli loop-test on --yes --tcp 192.0.2.10"},
    {"wiring-check", kTextCliSummaryWiringCheck, kMsgWiringUsage, true,
     "voltaro-cli wiring-check --tcp 192.0.2.10"},
    {"fleet", kTextCliSummaryFleet, kTextCliHelpFleet, false,
     "voltaro-cli fleet plant.ini --report upload.json upload configs/"},
    {"scan", kMsgScanSummary, kMsgScanUsage, true,
     "voltaro-cli scan --serial /dev/ttyUSB0 --bauds 9600,19200 --parity N,E"},
    {"diff", kTextCliSummaryDiff, kTextCliHelpDiff, false,
     "voltaro-cli diff panel3.cfg edited.cfg"},
    {"export", kTextCliSummaryExport, kTextCliHelpExport, false,
     "voltaro-cli export panel3.cfg -o panel3.json"},
    {"import", kTextCliSummaryImport, kTextCliHelpImport, false,
     "voltaro-cli import panel3.json panel3.cfg"},
};

const Command* FindCommand(const std::string& name) {
    for (const Command& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

std::string EnglishText(int id) {
    for (const StringEntry& e : EnglishStringTable())
        if (e.id == id) return e.text;
    return {};
}

// The option names ("--name") in text, each once, in order of appearance.
void AddOptionNames(const std::string& text, std::vector<std::string>& names) {
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
        std::size_t end = at + 2;
        while (end < text.size() &&
               (std::islower(static_cast<unsigned char>(text[end])) || text[end] == '-'))
            ++end;
        const std::string name = text.substr(at, end - at);
        if (name.size() > 2 && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        at = end;
    }
}

}  // namespace

const CommandHelp* FindCommandHelp(const std::string& name) {
    for (const CommandHelp& h : kHelp)
        if (name == h.name) return &h;
    return nullptr;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const CommandHelp& h : kHelp)
        if (FindCommand(h.name)) names.emplace_back(h.name);
    std::vector<std::string> others;
    for (const Command& c : Commands())
        if (!FindCommandHelp(c.name)) others.push_back(c.name);
    std::sort(others.begin(), others.end());
    names.insert(names.end(), others.begin(), others.end());
    return names;
}

std::string UsageText() {
    std::string text = LoadString(kTextCliUsage);
    for (const std::string& name : CommandNames()) {
        const CommandHelp* help = FindCommandHelp(name);
        std::string line = "  " + name;
        line.append(name.size() < kNameColumn ? kNameColumn - name.size() : 1, ' ');
        text += line + (help ? LoadString(help->summaryId) : FindCommand(name)->synopsis) + "\n";
    }
    return text + "\n" + LoadString(kTextCliConnectionOptions) + "\n" +
           LoadString(kTextCliCommonOptions) + LoadString(kTextCliLinkOptions);
}

std::string CommandHelpText(const std::string& name) {
    const CommandHelp* help = FindCommandHelp(name);
    if (!help) {
        const Command* command = FindCommand(name);
        return command ? "voltaro-cli " + command->synopsis + "\n" : std::string();
    }
    std::string text = LoadString(help->helpId);
    if (help->connection) text += "\n" + LoadString(kTextCliConnectionOptions);
    return text + "\n" + LoadString(kTextCliExample) + "\n  " + help->example + "\n";
}

std::vector<std::string> CommandOptions(const std::string& name) {
    std::vector<std::string> options;
    const CommandHelp* help = FindCommandHelp(name);
    if (help) {
        AddOptionNames(EnglishText(help->helpId), options);
        if (help->connection) AddOptionNames(EnglishText(kTextCliConnectionOptions), options);
    }
    AddOptionNames("--help --quiet --stats --trace", options);
    return options;
}

}  // namespace voltaro::cli
