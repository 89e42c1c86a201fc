#pragma once
// String ids of the system's messages: the texts that report a failure, ask a question or
// tell what is going on. Every use of a message goes through these names; the English
// texts are in strings_en_messages.cpp, the Japanese ones in the language module.
namespace voltaro {

// Serial port
constexpr int kMsgPortCannotOpen = 10000;      // "Communication port %s can not be opened."
constexpr int kMsgPortSettingsFailed = 10001;  // "... can not be change settings."

// Input validation
constexpr int kMsgOutOfRange = 11000;               // "You should input %1 within the range ..."
constexpr int kMsgInvalidPasscode = 11002;          // "Invalid input passcode."
constexpr int kMsgPasscodeConfirmMismatch = 11003;  // "Confirm passcode do not match. ..."
constexpr int kMsgNotNumber = 11026;                // "You should input the numerical value ..."
constexpr int kMsgNotInteger = 11027;               // "You should input the integer value ..."
constexpr int kMsgOutOfRangeOrExtra = 11035;        // "... within %4 or the range of %2 - %3."
constexpr int kMsgInvalidDate = 11030;              // "Error input date."

// Comparison and files
constexpr int kMsgAllParametersMatch = 11004;     // "All parameters matching."
constexpr int kMsgParametersNotMatching = 11005;  // "%1!d! parameter(s) not matching."
constexpr int kMsgSaveError = 11006;              // "Save error. %1!s!"
constexpr int kMsgLoadError = 11007;              // "Load error. %1!s!"
constexpr int kMsgInvalidFileFormat = 11008;      // "Load error. Invalid file format."

// Reasons of a failed Modbus exchange, and the message that names them
constexpr int kMsgTimeout = 11009;              // "timeout"
constexpr int kMsgInvalidResponse = 11010;      // "invalid response"
constexpr int kMsgCrcError = 11011;             // "crc error"
constexpr int kMsgReceiveException = 11012;     // "receive exception %1!d!"
constexpr int kMsgInvalidTransaction = 11022;   // "invalid transaction"
constexpr int kMsgModbusCommandFailed = 11013;  // "Modbus command failed. command=..."
constexpr int kMsgModbusTcpError = 11018;       // "Modbus-TCP Error. %1!s!"

// Transfers and their progress
constexpr int kMsgUploadingNow = 11014;        // "Uploading now..."
constexpr int kMsgDownloadingNow = 11015;      // "Downloading now..."
constexpr int kMsgCommunicationError = 11025;  // "Communication error. Please check ..."
constexpr int kMsgDifferentDevice = 11021;     // "The settings of a different device ..."
constexpr int kMsgUnsupportedDevice = 11023;   // "This device is not supported. (...)"
constexpr int kMsgZbLonWorksOnly = 11028;      // "... not support to configuration ZBNPQV. ..."
constexpr int kMsgZcLonWorksOnly = 11033;      // "... not support to configuration ZCNPQV. ..."
constexpr int kMsgDipSwitchMismatch = 11029;   // "DIP SW1-8 setting does not match ..."

// Passcode protection
constexpr int kMsgPasscodeMismatch = 11019;     // "Modbus passcode mismatch!"
constexpr int kMsgNoProtectionFeature = 11020;  // "This device is not support Modbus passcode ..."

// Monitors, utilities and loop tests
constexpr int kMsgMonitorCommunicationError = 11016;  // "    Communication error    "
constexpr int kMsgAreYouSure = 11017;                 // "Are you sure?"
constexpr int kMsgCommunicating = 11024;              // "Communicating"
constexpr int kMsgProcessingNow = 11031;              // "(Processing now...)"
constexpr int kMsgFixedAo = 11034;                    // "Fixed AO"
constexpr int kMsgLoopTestWarning = 11036;            // "You can communicate confirmation by ..."

// Meter monitor and its log file (ids 30100 .. 30149)
constexpr int kMsgLogOtherHeader = 30100;  // "The file %1!s! already holds a log ..."
constexpr int kMsgLogCannotOpen = 30101;   // "The log file %1!s! cannot be opened. %2!s!"
constexpr int kMsgLogCannotWrite = 30102;  // "The log file %1!s! cannot be written. %2!s!"

// Maintenance commands: clock, resets, tag, presets and loop tests (ids 31000 .. 31049)
constexpr int kMsgClockWarning = 11032;           // the warning about re-setting the time
constexpr int kMsgConfirmNeedsYes = 31000;        // "%1!s! changes the device; ... --yes ..."
constexpr int kMsgNotConfirmed = 31001;           // "Not confirmed: nothing was written."
constexpr int kMsgConfirmPrompt = 31002;          // "%1!s! [y/N] "
constexpr int kMsgClockDevice = 31003;            // "Device's time: %1!s!"
constexpr int kMsgClockPc = 31004;                // "PC's time:     %1!s!"
constexpr int kMsgClockWritten = 31005;           // "Device clock set to %1!s!."
constexpr int kMsgClockTimeOption = 31006;        // "--set takes \"YYYY-MM-DD hh:mm:ss\" ..."
constexpr int kMsgResetWritten = 31007;           // "Wrote %1!d! to register %2!d! ..."
constexpr int kMsgNoCounters = 31008;             // "This device has no counters to reset."
constexpr int kMsgSecondChannelMissing = 31009;   // "The device has one measuring input ..."
constexpr int kMsgTagShown = 31010;               // "Tag No.: %1!s!"
constexpr int kMsgTagWritten = 31011;             // "Tag No. written: \"%1!s!\""
constexpr int kMsgTagTooLong = 31012;             // "A tag holds at most 16 single-byte ..."
constexpr int kMsgPresetWritten = 31013;          // "%1!s! preset to %2!s!."
constexpr int kMsgPresetUnknown = 31014;          // "No value \"%1!s!\" can be preset; ..."
constexpr int kMsgPresetNotOnDevice = 31015;      // "This device has no %1!s!."
constexpr int kMsgLoopTestOff = 31016;            // "Loop test: off"
constexpr int kMsgLoopTestAoOn = 31017;           // "LOOP TEST: analogue outputs fixed ..."
constexpr int kMsgLoopTestChannelsOn = 31018;     // "LOOP TEST: channel %1!s! reports ..."
constexpr int kMsgNoLoopTest = 31019;             // "This device has no loop test."
constexpr int kMsgLoopTestSwitchedOn = 31020;     // "Loop test switched on ..."
constexpr int kMsgLoopTestSwitchedOff = 31021;    // "Loop test switched off ..."
constexpr int kMsgLoopTestValuesWritten = 31022;  // "Test values written: %1!s!"
constexpr int kMsgLoopTestValueArgument = 31023;  // "\"%1!s!\" is not NAME=VALUE ..."
constexpr int kMsgLoopTestNotOn = 31024;          // "Switch the loop test on first ..."
constexpr int kMsgPasscodeRefused = 31025;        // "Nothing was written."
constexpr int kMsgChannelRange = 31026;           // "--channel must be 1 or 2 (1 to ..."

// The command line's monitor (ids 30160 .. 30179)
constexpr int kMsgMonitorUsage = 30160;               // the "voltaro-cli monitor --help" text
constexpr int kMsgMonitorChannelOption = 30161;       // "--channel must be 1 or 2."
constexpr int kMsgMonitorIntervalOption = 30162;      // "--interval must be a number ..."
constexpr int kMsgMonitorCountOption = 30163;         // "--count must be a whole number ..."
constexpr int kMsgMonitorHarmonicsOption = 30164;     // "--harmonics takes harmonic sets ..."
constexpr int kMsgMonitorOptionsExclusive = 30165;    // "%1!s! and %2!s! cannot be used together."
constexpr int kMsgMonitorUnexpectedArgument = 30166;  // "Unexpected argument \"%1!s!\"."
constexpr int kMsgMonitorNoSecondInput = 30167;    // "The connected device has one measuring ..."
constexpr int kMsgMonitorPassFailed = 30168;       // "The pass at %1!s! failed: %2!s!"
constexpr int kMsgMonitorNothingMeasured = 30169;  // "Stopped before a pass was completed."
constexpr int kMsgMonitorOutputFailed = 30170;     // "The output cannot be written. %1!s!"
constexpr int kMsgMonitorCsvFileOption = 30171;    // "--csv needs a file name."

// The command line's monitor of a ZC device (ids 30850 .. 30869)
constexpr int kMsgZcModuleOption = 30850;         // "--module must be basic or extension."
constexpr int kMsgZcDetailOption = 30851;         // "--detail must be a channel from 1 to 16."
constexpr int kMsgZcNoExtensionModule = 30852;    // "The connected device has no extension ..."
constexpr int kMsgZcDetailBeyondInputs = 30853;   // "The connected device has %1!d! ..."
constexpr int kMsgZcOptionsNeedZc = 30854;        // "--module and --detail serve ZC devices ..."
constexpr int kMsgZcMonitorChannel = 30855;       // "A ZC device takes --detail CH ..."
constexpr int kMsgZcHarmonicsNeedDetail = 30856;  // "On a ZC device --harmonics needs ..."

// Resets and presets of a ZC device on the command line (ids 31100 .. 31129)
constexpr int kMsgZcResetKind = 31100;           // "A ZC device resets %1!s!; not \"%2!s!\"."
constexpr int kMsgZcResetNeedsChannel = 31101;   // "This reset clears one channel: ..."
constexpr int kMsgZcResetCommon = 31102;         // "%1!s! is common to all channels ..."
constexpr int kMsgZcPresetUnknown = 31103;       // "No value \"%1!s!\" of a ZC device ..."
constexpr int kMsgZcPresetNeedsChannel = 31104;  // "A preset of a ZC device needs --channel ..."
constexpr int kMsgZcPresetNoModule = 31105;      // "The connected device has no %1!s! ..."
constexpr int kMsgZcPresetTariff = 31106;        // "A ZC device has no tariffs: ..."

// Data and device safety: files, settings, relocking, shared devices
constexpr int kMsgNotRegularFile = 30400;       // "%1!s! is not a regular file."
constexpr int kMsgFileTooLarge = 30401;         // "%1!s! is larger than %2!s! bytes ..."
constexpr int kMsgProfileUnreadable = 30402;    // "The settings file %1!s! cannot be read ..."
constexpr int kMsgProfileValueInvalid = 30403;  // "The setting %1!s!=%2!s! in %3!s! is invalid ..."
constexpr int kMsgPortOutOfRange = 30404;       // "The port %1!s! is outside 1 - 65535."
constexpr int kMsgRelockFailed = 30405;         // "The device could not be locked again ..."
constexpr int kMsgProtectStateUnknown = 30406;  // "... protection may not have been changed ..."
constexpr int kMsgProtectNotRelocked = 30407;   // "The new passcode is set, but ... writes ..."
constexpr int kMsgParameterNotAllowed = 30408;  // "Load error. %1!s! ... allowed: %4!s!."
constexpr int kMsgValueDoesNotFit = 30409;      // "Load error. %1!s!=%2!s! does not fit ..."
constexpr int kMsgUnknownDeviceType = 30410;    // "Load error. Model=%1!s! is no device ..."
constexpr int kMsgPartlyWritten = 30411;        // "The device is now partly written: ..."
constexpr int kMsgDeviceRefused = 30412;        // "The device refused the request ..."
constexpr int kMsgDeviceInUseWaiting = 30413;   // "Another program is using %1!s! ..."
constexpr int kMsgDeviceInUse = 30414;          // "%1!s! is still in use by another program ..."
constexpr int kMsgNoPortChosen = 30415;         // "No communication port is chosen ..."
constexpr int kMsgPortGone = 30416;             // "Communication port %1!s! is no longer ..."
constexpr int kMsgOutputWriteError = 30417;     // "The output could not be written: %1!s!"
constexpr int kMsgProfileAddressRange = 30418;  // "a device address is 1 to 247"
constexpr int kMsgNoDeviceTypeRow = 30419;      // "Load error. Model=%1!s!, DeviceExtension=..."

// Desktop data safety: kept list values, refused downloads, retries, protection state
// (strings_en_desktop_data.cpp).
constexpr int kMsgDownloadNotAllowed = 30201;  // "Download refused. %1!s! - %2!s! ... holds"
constexpr int kMsgRetryingNoAnswer = 30202;    // "No answer, trying again (%1!d! of %2!d!)..."
constexpr int kMsgIpOctetRange = 30203;        // "An IP address field holds 0 to 255 ..."
constexpr int kMsgProtectionIsOn = 30204;      // "Protection is on: ..."
constexpr int kMsgProtectionIsOff = 30205;     // "Protection is off: ..."

// The wiring check and voltaro-cli wiring-check (31200 .. 31399).
constexpr int kMsgWiringLooksRight = 31200;              // "Wiring looks right"
constexpr int kMsgWiringNotAvailable = 31201;            // "Wiring check not available: %1!s!"
constexpr int kMsgWiringSystemWithoutVectors = 31202;    // "the wiring system ... has no ..."
constexpr int kMsgWiringDeviceWithoutVectors = 31203;    // "the device reports no phase vectors."
constexpr int kMsgWiringCurrentsNotJudged = 31204;       // "Voltages checked; currents not ..."
constexpr int kMsgWiringSequence = 31205;                // "Phase sequence: %1!s!"
constexpr int kMsgWiringSequenceReversed = 31206;        // "Phase sequence reversed (L1-L3-L2)"
constexpr int kMsgWiringVoltageAngles = 31207;           // "U1N at %1!s!°, U2N at ..."
constexpr int kMsgWiringSequenceReversedHint = 31208;    // "Exchange two phases ..."
constexpr int kMsgWiringAnglesIrregular = 31209;         // "Voltage angles do not fit ..."
constexpr int kMsgWiringAnglesIrregularHint = 31210;     // "Check that each voltage input ..."
constexpr int kMsgWiringVoltageMissing = 31211;          // "Voltage U%1!d! is missing"
constexpr int kMsgWiringVoltageMissingEvidence = 31212;  // "%1!s! V against a reference ..."
constexpr int kMsgWiringVoltageMissingHint = 31213;      // "Check the voltage input of phase ..."
constexpr int kMsgWiringCurrentMissing = 31214;          // "Current I%1!d! is missing"
constexpr int kMsgWiringCurrentMissingEvidence = 31215;  // "%1!s! A while the largest ..."
constexpr int kMsgWiringCurrentMissingHint = 31216;      // "Check the CT of phase %1!d! ..."
constexpr int kMsgWiringCurrentReversed = 31217;         // "Current I%1!d! is reversed"
constexpr int kMsgWiringCurrentAngle = 31218;            // "I%1!d! is %2!s!° from U%1!d!N ..."
constexpr int kMsgWiringCurrentReversedHint = 31219;     // "Turn the CT of phase %1!d! round ..."
constexpr int kMsgWiringWrongPhase = 31220;              // "Current I%1!d! belongs to phase ..."
constexpr int kMsgWiringWrongPhaseEvidence = 31221;      // "I%1!d! is %3!s!° from U%1!d!N but ..."
constexpr int kMsgWiringWrongPhaseHint = 31222;          // "The CT wired to input I%1!d! ..."
constexpr int kMsgWiringPowerFactorOff = 31223;          // "Power factor %1!s! is far from ..."
constexpr int kMsgWiringPowerFactorEvidence = 31224;     // "PF (sum) %1!s!; load angle ..."
constexpr int kMsgWiringPowerFactorHint = 31225;         // "The power and energy readings ..."
constexpr int kMsgWiringReversedPower = 31226;           // "P%1!d! = %2!s! W against %3!s! W ..."
constexpr int kMsgWiringUsage = 31227;                   // "voltaro-cli wiring-check --help" text
constexpr int kMsgWiringEvidenceLine = 31228;            // "  Evidence: %1!s!"
constexpr int kMsgWiringHintLine = 31229;                // "  Hint: %1!s!"
constexpr int kMsgWiringUnexpectedArgument = 31230;      // "unexpected argument \"%1!s!\""
constexpr int kMsgWiringCurrentIrregular = 31231;        // "Current I%1!d! does not fit ..."
constexpr int kMsgWiringCurrentIrregularEvidence = 31232;  // "I%1!d! is %2!s!° from U%1!d!N; ..."
constexpr int kMsgWiringCurrentIrregularHint = 31233;      // "Check the CT of phase %1!d! ..."

// The message shown when a language module cannot be loaded: its text is fixed, its id
// is this program's own.
constexpr int kMsgCantLoadLanguageModule = 11100;  // "Can't load language module"

}  // namespace voltaro
