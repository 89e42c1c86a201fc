#include "core/comm/frame_text.h"

#include <ctime>

#include "core/comm/rtu_framing.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

std::string ValuesText(const std::vector<uint16_t>& values) {
    std::string text;
    for (uint16_t value : values) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    }
    return text;
}

std::string RequestText(const FrameRecord& frame) {
    if (frame.function == kFunctionReadInput)
        return FormatMessageId(kTextLinkFrameRead, {frame.count, frame.address + 1});
    if (frame.function == kFunctionWriteMultiple)
        return FormatMessageId(kTextLinkFrameWrite,
                               {frame.count, frame.address + 1, ValuesText(frame.values)});
    return FormatMessageId(kTextLinkFrameFunction, {static_cast<int>(frame.function)});
}

std::string AnswerText(const FrameRecord& frame) {
    switch (frame.outcome) {
        case FrameOutcome::Answer:
            if (frame.function == kFunctionWriteMultiple)
                return FormatMessageId(kTextLinkFrameWritten, {frame.count, frame.address + 1});
            return FormatMessageId(kTextLinkFrameValues, {ValuesText(frame.values)});
        case FrameOutcome::Exception:
            return FailureReasonText(ModbusFailure::Exception, frame.code);
        case FrameOutcome::Timeout:
            return FailureReasonText(ModbusFailure::Timeout, 0);
        case FrameOutcome::Crc:
            return FailureReasonText(ModbusFailure::Crc, 0);
        case FrameOutcome::InvalidLength:
            return FailureReasonText(ModbusFailure::InvalidResponse, 0);
        case FrameOutcome::InvalidTransaction:
            return FailureReasonText(ModbusFailure::InvalidTransaction, 0);
        case FrameOutcome::WrongUnit:
            return FormatMessageId(kTextLinkWrongUnit, {frame.code});
        case FrameOutcome::WrongFunction:
            return FormatMessageId(kTextLinkWrongFunction, {frame.code});
        case FrameOutcome::Cancelled:
            return LoadString(kTextLinkCancelled);
        case FrameOutcome::Late:
            return LoadString(kTextLinkLateAnswer);
    }
    return {};
}

std::string Count(uint64_t value) {
    return std::to_string(value);
}

}  // namespace

std::string FrameTimeText(int64_t timeMs) {
    const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(timeMs % 1000));
    return text;
}

std::string FrameHexText(const std::vector<uint8_t>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string FrameMeaningText(const FrameRecord& frame) {
    if (frame.direction == FrameDirection::Sent) return RequestText(frame);
    std::string text = AnswerText(frame);
    if (frame.outcome != FrameOutcome::Timeout && frame.outcome != FrameOutcome::Cancelled &&
        frame.outcome != FrameOutcome::Late)
        text += ' ' + FormatMessageId(kTextLinkAnswerTime, {frame.micros / 1000.0});
    return text;
}

std::string FrameLine(const FrameRecord& frame) {
    std::string line = FrameTimeText(frame.timeMs) + " #" + std::to_string(frame.link) + ' ';
    line += LoadString(frame.direction == FrameDirection::Sent ? kTextLinkSent : kTextLinkReceived);
    line += "  ";
    if (!frame.bytes.empty()) line += FrameHexText(frame.bytes) + "  ";
    line += "| " + FrameMeaningText(frame);
    return line;
}

std::string LinkTitle(const LinkSnapshot& link) {
    return FormatMessageId(link.open ? kTextLinkTitle : kTextLinkTitleClosed,
                           {link.id, link.label});
}

std::vector<LinkFigure> LinkFigures(const LinkSnapshot& link) {
    const LinkCounters& c = link.counters;
    std::vector<LinkFigure> rows = {
        {LoadString(kTextLinkRequests), Count(c.requests)},
        {LoadString(kTextLinkRetries), Count(c.retries)},
        {LoadString(kTextLinkAnswers), Count(c.answers)},
        {LoadString(kTextLinkTimeouts), Count(c.timeouts)},
        {LoadString(kTextLinkCrcErrors), Count(c.crcErrors)},
        {LoadString(kTextLinkExceptions), Count(c.exceptions)},
    };
    for (const auto& [code, count] : c.exceptionsByCode)
        rows.push_back({"  " + FormatMessageId(kTextLinkExceptionCode, {code}), Count(count)});
    rows.push_back({LoadString(kTextLinkInvalid), Count(c.invalid)});
    rows.push_back({LoadString(kTextLinkCancelledCount), Count(c.cancelled)});
    rows.push_back({LoadString(kTextLinkBytesSent), Count(c.bytesSent)});
    rows.push_back({LoadString(kTextLinkBytesReceived), Count(c.bytesReceived)});
    const AnswerTimeHistogram& t = link.times;
    rows.push_back({LoadString(kTextLinkAnswerTimes),
                    t.Count() == 0
                        ? LoadString(kTextLinkNoAnswers)
                        : FormatMessageId(kTextLinkAnswerTimeValues,
                                          {t.MinUs() / 1000.0, t.MeanUs() / 1000.0,
                                           t.PercentileUs(95) / 1000.0, t.MaxUs() / 1000.0})});
    return rows;
}

std::string LinkStatisticsText(const std::vector<LinkSnapshot>& links) {
    if (links.empty()) return LoadString(kTextLinkNoConnection) + '\n';
    std::string text;
    for (const LinkSnapshot& link : links) {
        text += LinkTitle(link) + '\n';
        for (const LinkFigure& row : LinkFigures(link))
            text += "  " + row.name + ": " + row.value + '\n';
    }
    return text;
}

void CFramePrinter::OnFrame(const FrameRecord& frame) {
    const std::string line = FrameLine(frame) + '\n';
    std::fputs(line.c_str(), out_);
    std::fflush(out_);
}

CFramePrinter& StandardErrorFramePrinter() {
    static CFramePrinter printer(stderr);
    return printer;
}

}  // namespace voltaro
