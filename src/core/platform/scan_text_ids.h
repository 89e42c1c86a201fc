#pragma once
// Text ids of the bus scan and "Find devices..." (31240 .. 31319).

namespace voltaro {

// Refusals of the scan's lists and options.
constexpr int kMsgScanAddressListInvalid = 31240;
constexpr int kMsgScanBaudListInvalid = 31241;
constexpr int kMsgScanParityListInvalid = 31242;
constexpr int kMsgScanStopInvalid = 31243;
constexpr int kMsgScanTimeoutInvalid = 31244;
constexpr int kMsgScanUnitListInvalid = 31245;
// Results.
constexpr int kMsgScanNotIdentified = 31250;
constexpr int kMsgScanNothingFound = 31251;
constexpr int kMsgScanFoundCount = 31252;
constexpr int kMsgScanStopped = 31253;
constexpr int kMsgScanTableHeading = 31254;
constexpr int kMsgScanParityNone = 31255;
constexpr int kMsgScanParityEven = 31256;
constexpr int kMsgScanParityOdd = 31257;
constexpr int kMsgScanLineText = 31258;
constexpr int kMsgScanProgress = 31259;
// voltaro-cli scan's help.
constexpr int kMsgScanSummary = 31260;
constexpr int kMsgScanUsage = 31261;
// The Connect dialog's "Find devices..." and its dialog.
constexpr int kUiFindDevicesButton = 31270;
constexpr int kUiFindDevicesTitle = 31271;
constexpr int kUiScanAddressesLabel = 31272;
constexpr int kUiScanBaudsLabel = 31273;
constexpr int kUiScanStartButton = 31274;
constexpr int kUiScanColumnAddress = 31275;
constexpr int kUiScanColumnLine = 31276;
constexpr int kUiScanColumnModel = 31277;
constexpr int kUiScanUseButton = 31278;
constexpr int kUiScanTargetSerial = 31279;
constexpr int kUiScanTargetTcp = 31280;
constexpr int kUiScanProgressTitle = 31281;

}  // namespace voltaro
