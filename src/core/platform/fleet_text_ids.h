#pragma once
// Text ids of fleet runs over many devices (31870 .. 31999).

namespace voltaro {

// The fleet file: where a fault is ("FILE, line N: ..." and "[DEVICE] KEY: ...") and what.
constexpr int kMsgFleetAtLine = 31870;
constexpr int kMsgFleetAtKey = 31871;
constexpr int kMsgFleetUnknownKey = 31872;
constexpr int kMsgFleetDuplicateDevice = 31873;
constexpr int kMsgFleetDuplicateKey = 31874;
constexpr int kMsgFleetNoLink = 31875;
constexpr int kMsgFleetBothLinks = 31876;
constexpr int kMsgFleetUnit = 31877;
constexpr int kMsgFleetSerialKey = 31878;
constexpr int kMsgFleetTcpKey = 31879;
constexpr int kMsgFleetDeviceName = 31880;
constexpr int kMsgFleetStrayLine = 31881;
constexpr int kMsgFleetTags = 31882;
constexpr int kMsgFleetRow = 31883;
constexpr int kMsgFleetNoDevices = 31884;
constexpr int kMsgFleetNoTagMatch = 31885;
constexpr int kMsgFleetCannotRead = 31886;

// Results of one device and the summary of a run.
constexpr int kTextFleetOk = 31890;
constexpr int kTextFleetFailed = 31891;
constexpr int kTextFleetDiffers = 31892;
constexpr int kTextFleetCancelled = 31893;
constexpr int kTextFleetNotStarted = 31894;
constexpr int kTextFleetHeadDevice = 31895;
constexpr int kTextFleetHeadResult = 31896;
constexpr int kTextFleetHeadTime = 31897;
constexpr int kTextFleetHeadMessage = 31898;
constexpr int kMsgFleetSummary = 31899;

// What each command tells of one device.
constexpr int kMsgFleetIdentified = 31900;
constexpr int kMsgFleetUploaded = 31901;
constexpr int kMsgFleetSame = 31902;
constexpr int kMsgFleetDifferent = 31903;
constexpr int kMsgFleetDownloaded = 31904;
constexpr int kMsgFleetMonitorRow = 31905;
constexpr int kMsgFleetClockSynced = 31906;
constexpr int kMsgFleetPasscodeNeeded = 31907;
constexpr int kMsgFleetNotUnlocked = 31908;
constexpr int kMsgFleetProgress = 31909;
constexpr int kMsgFleetStopping = 31910;
constexpr int kMsgFleetReportFailed = 31911;

// voltaro-cli fleet's command line.
constexpr int kMsgFleetUsage = 31920;
constexpr int kMsgFleetUnknownCommand = 31921;
constexpr int kMsgFleetNeedsYes = 31922;
constexpr int kMsgFleetJobs = 31923;
constexpr int kMsgFleetNeedsDirectory = 31924;
constexpr int kMsgFleetNotDirectory = 31925;
constexpr int kMsgFleetNeedsFile = 31926;
constexpr int kMsgFleetMonitorArguments = 31927;
constexpr int kMsgFleetClockArguments = 31928;
constexpr int kTextCliSummaryFleet = 31929;
constexpr int kTextCliHelpFleet = 31930;

// voltaro-sim --fleet.
constexpr int kMsgFleetSimTcpOnly = 31940;
constexpr int kMsgFleetSimUnitTwice = 31941;
constexpr int kMsgFleetSimServing = 31942;

}  // namespace voltaro
