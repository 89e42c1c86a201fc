#include "cli/monitor_output.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app/monitor_text_view.h"
#include "core/app/zc_text_view.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"

namespace voltaro::cli {
namespace {

// Width of the blocks written when standard output is not a terminal.
constexpr int kPlainWidth = 80;

constexpr const char* kHome = "\x1b[H";
constexpr const char* kClearScreen = "\x1b[2J";
constexpr const char* kClearLineEnd = "\x1b[K";
constexpr const char* kClearBelow = "\x1b[J";
constexpr const char* kBlue = "\x1b[34m";
constexpr const char* kWhiteOnRed = "\x1b[97;41m";
constexpr const char* kPlain = "\x1b[0m";
constexpr const char* kMoreLines = "...";

void Write(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        throw CPrivateException(FormatMessageId(kMsgMonitorOutputFailed, {SystemErrorText(errno)}));
}

struct TerminalSize {
    int columns = kPlainWidth;
    int rows = 0;  // 0: unknown
};

TerminalSize SizeOfTerminal() {
    winsize size{};
    TerminalSize result;
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        result.columns = size.ws_col;
        result.rows = size.ws_row;
    }
    return result;
}

}  // namespace

CMonitorOutput::CMonitorOutput(MonitorOutputOptions options) : options_(std::move(options)) {}

MonitorOutputOptions CMonitorOutput::DetectTerminal(MonitorOutputOptions options) {
    const char* term = std::getenv("TERM");
    options.terminal = ::isatty(STDOUT_FILENO) == 1 && !(term && std::strcmp(term, "dumb") == 0);
    const char* noColour = std::getenv("NO_COLOR");
    options.colour = options.terminal && !(noColour && *noColour);
    return options;
}

void CMonitorOutput::Pass(const std::string& time, const MonitorPassResult& result,
                          const CMeasurandsKT2& store) {
    if (result.ok) {
        haveValues_ = true;
        deviceType_ = result.state.deviceType;
        zc_ = result.zcDevice;
        zcView_ = result.zcView;
        zcDetail_ = result.zcView < 0 ? result.zcFirstChannel : -1;
    }
    switch (options_.format) {
        case MonitorFormat::kJson:
            Write(MonitorPassJson(time, result, store, options_.harmonicSets) + "\n");
            return;
        case MonitorFormat::kCsv:
            Log(time, result, store);
            if (options_.terminal) Table(time, result, store);
            return;
        case MonitorFormat::kText:
            if (options_.terminal)
                Table(time, result, store);
            else
                Block(time, result, store);
            return;
    }
}

std::vector<std::string> CMonitorOutput::StatusLines(const std::string& time,
                                                     const MonitorPassResult& result) const {
    const std::string status =
        LoadString(result.ok ? kMsgCommunicating : kMsgMonitorCommunicationError);
    std::string line = time + "  ";
    if (options_.colour)
        line += (result.ok ? kBlue : kWhiteOnRed) + status + kPlain;
    else
        line += status;
    std::vector<std::string> lines{line};
    if (!result.ok) lines.push_back(result.error);
    lines.emplace_back();
    return lines;
}

std::vector<std::string> CMonitorOutput::SectionLines(const CMeasurandsKT2& store,
                                                      int width) const {
    std::vector<std::vector<std::string>> blocks;
    const std::vector<TextSection> sections =
        zc_ ? ZcMonitorTextSections(store, zcView_, zcDetail_, options_.harmonicSets)
            : MonitorTextSections(store, deviceType_, options_.harmonicSets);
    for (const TextSection& section : sections)
        blocks.push_back(RenderTextSection(section));
    return ArrangeTextBlocks(blocks, width);
}

void CMonitorOutput::Table(const std::string& time, const MonitorPassResult& result,
                           const CMeasurandsKT2& store) {
    const TerminalSize size = SizeOfTerminal();
    std::vector<std::string> lines = StatusLines(time, result);
    // A failed pass leaves the values of the last good one on the screen, as the
    // window's grids do.
    if (haveValues_)
        for (std::string& line : SectionLines(store, size.columns))
            lines.push_back(std::move(line));
    // Lines beyond the screen would scroll the table away from the top: the last line
    // that fits says that more follows.
    if (size.rows > 1 && lines.size() >= static_cast<std::size_t>(size.rows)) {
        lines.resize(static_cast<std::size_t>(size.rows - 1));
        lines.back() = kMoreLines;
    }
    std::string text = drawn_ ? kHome : std::string(kHome) + kClearScreen;
    for (const std::string& line : lines)
        text += line + kClearLineEnd + "\n";
    text += kClearBelow;
    drawn_ = true;
    Write(text);
}

void CMonitorOutput::Block(const std::string& time, const MonitorPassResult& result,
                           const CMeasurandsKT2& store) {
    std::string text;
    for (const std::string& line : StatusLines(time, result))
        text += line + "\n";
    if (result.ok)
        for (const std::string& line : SectionLines(store, kPlainWidth))
            text += line + "\n";
    Write(text);
}

void CMonitorOutput::Log(const std::string& time, const MonitorPassResult& result,
                         const CMeasurandsKT2& store) {
    if (!result.ok) {
        // The failure is told beside the log too; the log says so in a row of its own once
        // a measured pass has given it its columns.
        if (!options_.terminal)
            std::fprintf(stderr, "voltaro-cli monitor: %s\n",
                         FormatMessageId(kMsgMonitorPassFailed, {time, result.error}).c_str());
        recorder_.Failure(time, result.error);
        return;
    }
    if (!recorder_.Active())
        recorder_.Start(options_.csvPath, LogColumnsOfPass(result, options_.harmonicSets));
    recorder_.Pass(time, store);
}

}  // namespace voltaro::cli
