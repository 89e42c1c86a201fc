#pragma once
// Text ids of link statistics, the frame log and the Communication window (31320 .. 31419).

namespace voltaro {

// One line of the frame log.
constexpr int kTextLinkSent = 31320;           // "sent"
constexpr int kTextLinkReceived = 31321;       // "received"
constexpr int kTextLinkFrameRead = 31322;      // "read %1!d! registers from %2!d!"
constexpr int kTextLinkFrameWrite = 31323;     // "write %1!d! registers at %2!d!: %3"
constexpr int kTextLinkFrameValues = 31324;    // "values %1"
constexpr int kTextLinkFrameWritten = 31325;   // "written %1!d! registers at %2!d!"
constexpr int kTextLinkAnswerTime = 31326;     // "(%1!.1f! ms)"
constexpr int kTextLinkWrongUnit = 31327;      // "answer from unit %1!d!"
constexpr int kTextLinkWrongFunction = 31328;  // "answer to function %1!d!"
constexpr int kTextLinkLateAnswer = 31329;     // "late answer, dropped"
constexpr int kTextLinkCancelled = 31330;      // "cancelled"
constexpr int kTextLinkFrameFunction = 31331;  // "function %1!d!"

// The statistics of one connection.
constexpr int kTextLinkTitle = 31340;             // "Connection %1!d!: %2"
constexpr int kTextLinkTitleClosed = 31341;       // "Connection %1!d!: %2 (closed)"
constexpr int kTextLinkTcpLabel = 31342;          // "TCP %1:%2"
constexpr int kTextLinkSerialLabel = 31343;       // "serial %1"
constexpr int kTextLinkRequests = 31344;          // "Requests"
constexpr int kTextLinkRetries = 31345;           // "Retries"
constexpr int kTextLinkAnswers = 31346;           // "Answers"
constexpr int kTextLinkTimeouts = 31347;          // "Time-outs"
constexpr int kTextLinkCrcErrors = 31348;         // "CRC errors"
constexpr int kTextLinkExceptions = 31349;        // "Exception answers"
constexpr int kTextLinkExceptionCode = 31350;     // "Exception code %1!d!"
constexpr int kTextLinkInvalid = 31351;           // "Invalid answers"
constexpr int kTextLinkCancelledCount = 31352;    // "Cancelled waits"
constexpr int kTextLinkBytesSent = 31353;         // "Bytes sent"
constexpr int kTextLinkBytesReceived = 31354;     // "Bytes received"
constexpr int kTextLinkAnswerTimes = 31355;       // "Answer time min / mean / 95 % / max"
constexpr int kTextLinkAnswerTimeValues = 31356;  // "%1!.1f! / %2!.1f! / %3!.1f! / %4!.1f! ms"
constexpr int kTextLinkNoAnswers = 31357;         // "no answers"
constexpr int kTextLinkNoConnection = 31358;      // "No connection has been made yet."
constexpr int kTextCliLinkOptions = 31359;        // "--stats ... --trace ..." (usage text)

// The Communication window.
constexpr int kTextCommWindowTitle = 31370;  // "Communication"
constexpr int kTextCommPause = 31371;        // "Pause"
constexpr int kTextCommResume = 31372;       // "Resume"
constexpr int kTextCommClear = 31373;        // "Clear"
constexpr int kTextCommErrorsOnly = 31374;   // "Errors only"
constexpr int kTextCommSave = 31375;         // "Save..."
constexpr int kTextCommSaveFilter = 31376;   // "Text files (*.txt)|*.txt|All files (*.*)|*.*||"
constexpr int kTextCommFrameCount = 31377;   // "%1!d! frames shown"
constexpr int kTextCommFigure = 31378;       // "Figure"
constexpr int kTextCommValue = 31379;        // "Value"
constexpr int kTextCommSaveFailed = 31380;   // "The frame log could not be saved to %1: %2"
constexpr int kTextCommPaused = 31381;       // "Paused: new frames are not shown."

}  // namespace voltaro
