#pragma once
// Text ids of recording and the wiring findings in the monitor windows (31420 .. 31469, 31600 ..
// 31639).

namespace voltaro {

// Recording the passes of a monitor window into a CSV file.
constexpr int kTextRecord = 31600;             // "Record..."
constexpr int kTextStopRecording = 31601;      // "Stop recording"
constexpr int kTextRecordCaption = 31602;      // file dialog title
constexpr int kTextRecordingStatus = 31603;    // "Recording to %1: %2 rows, %3"
constexpr int kMsgRecordErrorRow = 31604;      // the error row's text: "Communication error: %1"
constexpr int kMsgRecordingStopped = 31605;    // "Recording stopped: %1"
constexpr int kMsgRecordingAbandoned = 31606;  // a pass ended by a stop (no message)

// The wiring findings beside the meter monitor's vector chart.
constexpr int kTextWiringFindings = 31420;  // "Wiring check"
constexpr int kTextWiringStale = 31421;     // "Not current: communication error ..."
constexpr int kTextWiringPending = 31422;   // before the first check

}  // namespace voltaro
