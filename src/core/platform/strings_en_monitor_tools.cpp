// Texts of recording and the wiring findings in the monitor windows (ids in
// monitor_tools_text_ids.h).
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kEntries[] = {
    {kTextRecord, "Record..."},
    {kTextStopRecording, "Stop recording"},
    {kTextRecordCaption, "Record the monitor's values to a CSV file"},
    {kTextRecordingStatus, "Recording to %1!s!: %2!d! rows, %3!s!"},
    {kMsgRecordErrorRow, "Communication error: %1!s!"},
    {kMsgRecordingStopped, "Recording stopped: %1!s!"},
    {kMsgRecordingAbandoned, "the read was abandoned"},
    {kTextWiringFindings, "Wiring check"},
    {kTextWiringStale, "Not current: communication error since the last check"},
    {kTextWiringPending, "Waiting for the phase vectors..."},
};

}  // namespace

const std::span<const StringEntry> kMonitorTools{kEntries};

}  // namespace voltaro::strings
