// Texts of link statistics, the frame log and the Communication window (ids in link_text_ids.h).
#include "core/platform/link_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextLinkSent, "sent"},
    {kTextLinkReceived, "received"},
    {kTextLinkFrameRead, "read %1!d! registers from %2!d!"},
    {kTextLinkFrameWrite, "write %1!d! registers at %2!d!: %3"},
    {kTextLinkFrameValues, "values %1"},
    {kTextLinkFrameWritten, "written %1!d! registers at %2!d!"},
    {kTextLinkAnswerTime, "(%1!.1f! ms)"},
    {kTextLinkWrongUnit, "answer from unit %1!d!"},
    {kTextLinkWrongFunction, "answer to function %1!d!"},
    {kTextLinkLateAnswer, "late answer, dropped"},
    {kTextLinkCancelled, "cancelled"},
    {kTextLinkFrameFunction, "function %1!d!"},
    {kTextLinkTitle, "Connection %1!d!: %2"},
    {kTextLinkTitleClosed, "Connection %1!d!: %2 (closed)"},
    {kTextLinkTcpLabel, "TCP %1:%2"},
    {kTextLinkSerialLabel, "serial %1"},
    {kTextLinkRequests, "Requests"},
    {kTextLinkRetries, "Retries"},
    {kTextLinkAnswers, "Answers"},
    {kTextLinkTimeouts, "Time-outs"},
    {kTextLinkCrcErrors, "CRC errors"},
    {kTextLinkExceptions, "Exception answers"},
    {kTextLinkExceptionCode, "Exception code %1!d!"},
    {kTextLinkInvalid, "Invalid answers"},
    {kTextLinkCancelledCount, "Cancelled waits"},
    {kTextLinkBytesSent, "Bytes sent"},
    {kTextLinkBytesReceived, "Bytes received"},
    {kTextLinkAnswerTimes, "Answer time min / mean / 95 % / max"},
    {kTextLinkAnswerTimeValues, "%1!.1f! / %2!.1f! / %3!.1f! / %4!.1f! ms"},
    {kTextLinkNoAnswers, "no answers"},
    {kTextLinkNoConnection, "No connection has been made yet."},
    {kTextCliLinkOptions,
     "Every command also takes --stats (the figures of each connection on standard error\n"
     "when the command ends: requests, retries, answers, time-outs, CRC errors,\n"
     "exceptions, invalid answers, bytes and answer times) and --trace (every frame on\n"
     "standard error as it goes: time, connection, direction, hex and its meaning).\n"},
    {kTextCommWindowTitle, "Communication"},
    {kTextCommPause, "Pause"},
    {kTextCommResume, "Resume"},
    {kTextCommClear, "Clear"},
    {kTextCommErrorsOnly, "Errors only"},
    {kTextCommSave, "Save..."},
    {kTextCommSaveFilter, "Text files (*.txt)|*.txt|All files (*.*)|*.*||"},
    {kTextCommFrameCount, "%1!d! frames shown"},
    {kTextCommFigure, "Figure"},
    {kTextCommValue, "Value"},
    {kTextCommSaveFailed, "The frame log could not be saved to %1: %2"},
    {kTextCommPaused, "Paused: new frames are not shown."},
};

}  // namespace

const std::span<const StringEntry> kLinkStats{kData};

}  // namespace voltaro::strings
