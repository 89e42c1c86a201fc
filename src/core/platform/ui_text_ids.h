#pragma once
// String ids of the fixed dialog texts: captions, static texts, group titles and
// button texts of the dialog templates. The GUI loads them with LoadString so that a
// language module can replace them. Ids are 20000 + 100 x (template - 100) + position,
// so each template owns one block of 100 ids; 20000-20099 holds the texts that all
// dialogs share. A radio button or combo entry whose text is an enumeration entry
// (contact type, tariff, calculation option ...) uses that entry's list id instead.
// The English texts are in strings_en_ui.cpp.

namespace voltaro {

// Texts shared by all dialogs
constexpr int kTextOk = 20000;
constexpr int kTextCancel = 20001;
constexpr int kTextClose = 20002;

// Meter monitor (102)
constexpr int kTextMonitorCaption = 20200;
constexpr int kTextMonitorChannel = 20201;
constexpr int kTextMonitorLoopTest = 20202;
constexpr int kTextMonitorUtility = 20203;
constexpr int kTextMonitorDeviceInfo = 20204;
constexpr int kTextMonitorDateTime = 20205;
constexpr int kTextMonitorThd = 20206;
constexpr int kTextMonitorHarmonics = 20207;
constexpr int kTextMonitorVector = 20208;
constexpr int kTextMonitorAnalogOutput = 20209;
constexpr int kTextMonitorDeviceInformation = 20210;
// The meter monitor window's own texts (30180 .. 30199).
constexpr int kTextMonitorChannel1 = 30181;  // entries of the Channel selector
constexpr int kTextMonitorChannel2 = 30182;

// Max/min page of the meter monitor (130)
constexpr int kTextMaxMinInstantaneous = 23000;
constexpr int kTextMaxMinDemand = 23001;

// Main window (132)
constexpr int kTextMainUpload = 23200;
constexpr int kTextMainDownload = 23201;
constexpr int kTextMainProtect = 23202;
constexpr int kTextMainReport = 23203;
constexpr int kTextMainSaveFile = 23204;
constexpr int kTextMainOpenFile = 23205;
constexpr int kTextMainMonitor = 23206;
constexpr int kTextMainLanguage = 23207;
constexpr int kTextMainModel = 23208;
constexpr int kTextMainSystem = 23209;
constexpr int kTextMainVtRating = 23210;
constexpr int kTextMainCtRating = 23211;
constexpr int kTextMainPrimary = 23212;
constexpr int kTextMainSecondary = 23213;
constexpr int kTextMainBar100 = 23214;
constexpr int kTextMainDemand = 23215;
constexpr int kTextMainCurrent = 23216;
constexpr int kTextMainPower = 23217;
constexpr int kTextMainDipSwitch = 23218;
constexpr int kTextMainAlarm = 23219;
constexpr int kTextMainTariff = 23220;
constexpr int kTextMainOthers = 23221;
constexpr int kTextMainDisplay = 23222;
constexpr int kTextMainExtBar = 23223;
constexpr int kTextMainSigmaDisp = 23224;
constexpr int kTextMainExpression = 23225;
constexpr int kTextMainShortCut = 23226;
constexpr int kTextMainPasscode = 23227;
constexpr int kTextMainDi = 23228;
constexpr int kTextMainDoPo = 23229;
constexpr int kTextMainAo = 23230;
constexpr int kTextMainModbus = 23231;
constexpr int kTextMainCcLink = 23232;
constexpr int kTextMainMinutes = 23233;
constexpr int kTextMainVolt = 23234;
constexpr int kTextMainAmpere = 23235;
// Tool tips of buttons whose function this program does not have yet.
constexpr int kTextMainNotAvailableYet = 23236;
constexpr int kTextMainSettingNotAvailable = 23237;
// The main window's status line, title, questions, menu bar and tool tips (30270 .. 30339).
constexpr int kTextStatusUploaded = 30270;
constexpr int kTextDeviceWithSerial = 30271;
constexpr int kTextStatusDownloaded = 30272;
constexpr int kTextStatusProtectionOn = 30273;
constexpr int kTextStatusProtectionOff = 30274;
constexpr int kTextStatusSaved = 30275;
constexpr int kTextStatusOpened = 30276;
constexpr int kTextStatusConnected = 30277;
constexpr int kTextStatusUploadCancelled = 30278;
constexpr int kTextStatusDownloadCancelled = 30279;
constexpr int kTextStatusFailed = 30280;
constexpr int kTextTitleUntitled = 30281;
constexpr int kTextAskSaveChanges = 30282;
constexpr int kTextMenuFile = 30283;
constexpr int kTextMenuOpen = 30284;
constexpr int kTextMenuSave = 30285;
constexpr int kTextMenuSaveAs = 30286;
constexpr int kTextMenuRecent = 30287;
constexpr int kTextMenuRecentEmpty = 30288;
constexpr int kTextMenuQuit = 30289;
constexpr int kTextMenuDevice = 30290;
constexpr int kTextMenuConnect = 30291;
constexpr int kTextMenuUpload = 30292;
constexpr int kTextMenuDownload = 30293;
constexpr int kTextMenuProtect = 30294;
constexpr int kTextMenuReport = 30295;
constexpr int kTextMenuMonitor = 30296;
constexpr int kTextMenuSettings = 30297;
constexpr int kTextMenuLanguage = 30298;
constexpr int kTextMenuHelp = 30299;
constexpr int kTextMenuUserGuide = 30300;
constexpr int kTextMenuAbout = 30301;
constexpr int kTextAboutText = 30302;
constexpr int kTextUserGuideMissing = 30303;
constexpr int kTextTipNotForModel = 30304;
constexpr int kTextTipSystemByDip = 30305;
constexpr int kTextTipIntervalByInput = 30306;
constexpr int kTextCsvExcelFilter = 30307;
constexpr int kTextMenuClearRecent = 30308;

// Other Setting (133)
constexpr int kTextOtherCaption = 23300;
constexpr int kTextOtherLowEndCutout = 23301;
constexpr int kTextOtherVoltage = 23302;
constexpr int kTextOtherCurrent1 = 23303;
constexpr int kTextOtherCurrent2 = 23304;
constexpr int kTextOtherPercent = 23305;
constexpr int kTextOtherFrequencyInput = 23306;
constexpr int kTextOtherTariffFunction = 23307;
constexpr int kTextOtherCalculationOption = 23308;
constexpr int kTextOtherPowerFactorSign = 23309;
constexpr int kTextOtherReactivePowerSign = 23310;
constexpr int kTextOtherPhaseReactivePower = 23311;
constexpr int kTextOtherApparentPower = 23312;

// Energy Setting (134)
constexpr int kTextPulseCaption = 23400;
constexpr int kTextPulseEnergyCount = 23401;
constexpr int kTextPulseRate = 23402;
constexpr int kTextPulseDuration = 23403;
constexpr int kTextPulseMs = 23404;

// Alarm Setting (135)
constexpr int kTextAlarmCaption = 23500;
constexpr int kTextAlarmPowerOnDelay = 23501;
constexpr int kTextAlarmSec = 23502;
constexpr int kTextAlarmLatching = 23503;
constexpr int kTextAlarmList = 23504;

// Utility (136)
constexpr int kTextUtilityCaption = 23600;
constexpr int kTextUtilityResetOperation = 23601;
constexpr int kTextUtilityEnergy = 23602;
constexpr int kTextUtilityMaxMin = 23603;
constexpr int kTextUtilityDemand = 23604;
constexpr int kTextUtilityCounter = 23605;
constexpr int kTextUtilityTagNo = 23606;
constexpr int kTextUtilityLoopTest = 23607;
constexpr int kTextUtilityPreset = 23608;

// Switch tariff (137)
constexpr int kTextTariffCaption = 23700;
constexpr int kTextTariffNote = 23701;

// Connect (138)
constexpr int kTextConnectCaption = 23800;
constexpr int kTextConnectTo = 23801;
constexpr int kTextConnectDeviceAddress = 23802;
constexpr int kTextConnectPortSetting = 23803;
constexpr int kTextConnectInfrared = 23804;
constexpr int kTextConnectModbusRtu = 23805;
constexpr int kTextConnectModbusTcp = 23806;
constexpr int kTextConnectComPort = 23807;
constexpr int kTextConnectBaudRate = 23808;
constexpr int kTextConnectParity = 23809;
constexpr int kTextConnectStop = 23810;
constexpr int kTextConnectStationAddress = 23811;
constexpr int kTextConnectPort = 23812;
constexpr int kTextConnectButton = 23813;

// Display Setting (139)
constexpr int kTextDisplayCaption = 23900;
constexpr int kTextDisplayKeyLock = 23901;
constexpr int kTextDisplayDataView = 23902;
constexpr int kTextDisplayEnergyView = 23903;
constexpr int kTextDisplayEnergyUnit = 23904;
constexpr int kTextDisplayBacklight = 23905;
constexpr int kTextDisplayOperationMode = 23906;
constexpr int kTextDisplayOffTimer = 23907;
constexpr int kTextDisplayBrightness = 23908;
constexpr int kTextDisplayUpdateRate = 23909;
constexpr int kTextDisplaySec = 23910;
constexpr int kTextDisplayMyDefault = 23911;
constexpr int kTextDisplayUsePresetTimer = 23912;

// Passcode Setting (140)
constexpr int kTextPasscodeCaption = 24000;
constexpr int kTextPasscodeEnter4Digits = 24001;
constexpr int kTextPasscodeNew = 24002;
constexpr int kTextPasscodeConfirm = 24003;

// Modbus Setting, serial devices (141)
constexpr int kTextModbusCaption = 24100;
constexpr int kTextModbusDeviceAddress = 24101;
constexpr int kTextModbusTransferRate = 24102;
constexpr int kTextModbusParity = 24103;
constexpr int kTextModbusStop = 24104;
constexpr int kTextModbusMode = 24105;
constexpr int kTextModbusRunLedTimeout = 24106;
constexpr int kTextModbusSec = 24107;
constexpr int kTextModbusAdvanced = 24108;

// Parameter Report (142)
constexpr int kTextReportCaption = 24200;
constexpr int kTextReportExportCsv = 24201;
constexpr int kTextReportCompareWith = 24202;
constexpr int kTextReportDevice = 24203;
constexpr int kTextReportFile = 24204;
constexpr int kTextReportHideUnable = 24205;

// Progress dialog (143)
constexpr int kTextProgressCaption = 24300;

// Enter Modbus passcode (145)
constexpr int kTextEnterPasscodeCaption = 24500;
constexpr int kTextEnterPasscodeText = 24501;
constexpr int kTextEnterPasscodeSave = 24502;

// Modbus passcode protection (146)
constexpr int kTextProtectCaption = 24600;
constexpr int kTextProtectText = 24601;
constexpr int kTextProtectCurrent = 24602;
constexpr int kTextProtectNew = 24603;
constexpr int kTextProtectConfirm = 24604;

// Tag No. Setting (147)
constexpr int kTextTagCaption = 24700;
constexpr int kTextTagNo = 24701;

// SIGMA Display Setting (148)
constexpr int kTextSigmaCaption = 24800;

// Analog Output Setting (149)
constexpr int kTextAnalogOutputCaption = 24900;

// Bar Setting (150)
constexpr int kTextBarCaption = 25000;

// Advanced Modbus Setting (152)
constexpr int kTextAdvModbusCaption = 25200;
constexpr int kTextAdvModbusLongRegister = 25201;
constexpr int kTextAdvModbusNormal = 25202;
constexpr int kTextAdvModbusSwap = 25203;
constexpr int kTextAdvModbusT15 = 25204;
constexpr int kTextAdvModbusT35 = 25205;
constexpr int kTextAdvModbusWarning = 25206;

// Discrete Input Setting (153)
constexpr int kTextDiCaption = 25300;
constexpr int kTextDiFunction = 25301;
constexpr int kTextDiContact = 25302;

// Discrete / Pulse Output Setting (154)
constexpr int kTextDoCaption = 25400;
constexpr int kTextDoFunction = 25401;
constexpr int kTextDoContact = 25402;
constexpr int kTextDoEnergy = 25403;
constexpr int kTextDoOutput1 = 25404;
constexpr int kTextDoOutput2 = 25405;
constexpr int kTextDoOutput3 = 25406;
constexpr int kTextDoOutput4 = 25407;

// Display Expression Setting (155)
constexpr int kTextExpressionCaption = 25500;
constexpr int kTextExpressionInputLine = 25501;
constexpr int kTextExpressionPhaseDirection = 25502;
constexpr int kTextExpressionPowerFormat = 25503;

// Short Cut Menu Setting (156)
constexpr int kTextShortCutCaption = 25600;
constexpr int kTextShortCutClearAlarm = 25601;

// CC-Link Setting (157)
constexpr int kTextCcLinkCaption = 25700;
constexpr int kTextCcLinkNodeAddress = 25701;
constexpr int kTextCcLinkTransferRate = 25702;

// Loop test of the multi-circuit series (158)
constexpr int kTextLoopTestCaption = 25800;
constexpr int kTextLoopTestMode = 25801;
constexpr int kTextLoopTestNormal = 25802;

// CT and VT input page (159)
constexpr int kTextInputVtRating = 25900;
constexpr int kTextInputPrimary = 25901;
constexpr int kTextInputSecondary = 25902;
constexpr int kTextInputVolt = 25903;
constexpr int kTextInputCtSensor = 25904;

// Power Management Monitor (160)
constexpr int kTextPmCaption = 26000;
constexpr int kTextPmDeviceInfo = 26001;
constexpr int kTextPmLoopTest = 26002;
constexpr int kTextPmPreset = 26003;
constexpr int kTextPmClock = 26004;
// The power management monitor's own texts (30800 .. 30819).

// ZC main page (161)
constexpr int kTextZcMainReset = 26100;
constexpr int kTextZcMainDetail = 26101;

// Channel Detail (162)
constexpr int kTextDetailCaption = 26200;
constexpr int kTextDetailChannelSuffix = 26201;
constexpr int kTextDetailReset = 26202;
constexpr int kTextDetailThdVoltage = 26203;
constexpr int kTextDetailThdCurrent = 26204;

// Max/min page of the channel detail (163)
constexpr int kTextZcMaxMinInstantaneous = 26300;
constexpr int kTextZcMaxMinDemand = 26301;
constexpr int kTextZcMaxMinResetDemand = 26302;
constexpr int kTextZcMaxMinResetMaxMin = 26303;
constexpr int kTextZcMaxMinVoltage = 26304;
constexpr int kTextZcMaxMinCurrent = 26305;
constexpr int kTextZcMaxMinPower = 26306;
constexpr int kTextZcMaxMinPowerFactor = 26307;
constexpr int kTextZcMaxMinFrequency = 26308;

// Set Date and Time (164)
constexpr int kTextDateCaption = 26400;
constexpr int kTextDatePcTime = 26401;
constexpr int kTextDateDeviceTime = 26402;
constexpr int kTextDateSyncPc = 26403;
constexpr int kTextDateSet = 26404;

// Device Information (165)
constexpr int kTextDeviceInfoCaption = 26500;

// Modbus Setting, Ethernet devices (166)
constexpr int kTextModbus2Caption = 26600;
constexpr int kTextModbus2IpAddress = 26601;
constexpr int kTextModbus2SubnetMask = 26602;
constexpr int kTextModbus2DefaultGateway = 26603;
constexpr int kTextModbus2Port = 26604;
constexpr int kTextModbus2ConnectionTimeout = 26605;
constexpr int kTextModbus2RunLedTimeout = 26606;
constexpr int kTextModbus2Sec = 26607;

// Analogue output loop test (167)
constexpr int kTextLoopBackCaption = 26700;
constexpr int kTextLoopBackMode = 26701;
constexpr int kTextLoopBackNormal = 26702;

// Loop test of the 8-input series (168)
constexpr int kTextLoopTestZcCaption = 26800;
constexpr int kTextLoopTestZcMode = 26801;
constexpr int kTextLoopTestZcNormal = 26802;
constexpr int kTextLoopTestZcChannel = 26803;
constexpr int kTextLoopTestZcNote = 26804;

// Preset of the 8-input series (170)
constexpr int kTextZcPresetCaption = 27000;

// Preset (171)
constexpr int kTextPresetCaption = 27100;

// A stored list value that the device type's list does not offer, kept in its combo
// (strings_en_desktop_data.cpp).
constexpr int kTextUnlistedValue = 30200;  // "%1!d! (not a choice of this model)"

// What the programs print for --version and --help (strings_en_programs.cpp)
constexpr int kTextVersionLine = 30600;      // product name and version
constexpr int kTextLanguageEnglish = 30601;  // the built-in texts are in use
constexpr int kTextLanguageModule = 30602;   // a language module is in use, and its file
constexpr int kTextDesktopUsage = 30603;     // voltaro --help

// voltaro-cli --help and help COMMAND (strings_en_cli_help.cpp)
constexpr int kTextCliUsage = 30610;              // head of voltaro-cli --help
constexpr int kTextCliConnectionOptions = 30611;  // the connection options, described once
constexpr int kTextCliCommonOptions = 30612;      // --quiet, --help and the exit status
constexpr int kTextCliUnknownCommand = 30613;     // unknown command "%1"
constexpr int kTextCliCancelled = 30614;          // a command ended by Ctrl-C or a signal
constexpr int kTextCliExample = 30615;            // heading of a command's example
constexpr int kTextCliNoHelp = 30616;             // help for a name that is no command
constexpr int kTextCliNeedsValue = 30617;         // an option given without its value
constexpr int kTextCliUnknownOption = 30618;      // an option the command does not take
constexpr int kTextCliUploaded = 30619;           // upload: done
constexpr int kTextCliDownloaded = 30640;         // download: done
constexpr int kTextCliProtectionOn = 30641;       // protect: done, on
constexpr int kTextCliProtectionOff = 30642;      // protect: done, off
constexpr int kTextCliGot = 30643;                // the wrong value, after an option's error
constexpr int kTextCliTcpHost = 30644;            // connection options' errors ...
constexpr int kTextCliTcpPortMissing = 30645;
constexpr int kTextCliTcpPort = 30646;
constexpr int kTextCliPortPath = 30647;
constexpr int kTextCliAddress = 30648;
constexpr int kTextCliBaud = 30649;
constexpr int kTextCliParity = 30670;
constexpr int kTextCliStop = 30671;
// One line per command for voltaro-cli --help, in the order listed there.
constexpr int kTextCliSummaryPorts = 30620;
constexpr int kTextCliSummaryIdentify = 30621;
constexpr int kTextCliSummaryRead = 30622;
constexpr int kTextCliSummaryModels = 30623;
constexpr int kTextCliSummaryParams = 30624;
constexpr int kTextCliSummaryUpload = 30625;
constexpr int kTextCliSummaryDownload = 30626;
constexpr int kTextCliSummaryCompare = 30627;
constexpr int kTextCliSummaryReport = 30628;
constexpr int kTextCliSummaryProtect = 30629;
constexpr int kTextCliSummaryMonitor = 30630;
constexpr int kTextCliSummaryClock = 30631;
constexpr int kTextCliSummaryReset = 30632;
constexpr int kTextCliSummaryTag = 30633;
constexpr int kTextCliSummaryPreset = 30634;
constexpr int kTextCliSummaryLoopTest = 30635;
constexpr int kTextCliSummaryWiringCheck = 30673;
// voltaro-cli help COMMAND: usage, options and an example (monitor has its own text).
constexpr int kTextCliHelpPorts = 30650;
constexpr int kTextCliHelpIdentify = 30651;
constexpr int kTextCliHelpRead = 30652;
constexpr int kTextCliHelpModels = 30653;
constexpr int kTextCliHelpParams = 30654;
constexpr int kTextCliHelpUpload = 30655;
constexpr int kTextCliHelpDownload = 30656;
constexpr int kTextCliHelpCompare = 30657;
constexpr int kTextCliHelpReport = 30658;
constexpr int kTextCliHelpProtect = 30659;
constexpr int kTextCliHelpClock = 30661;
constexpr int kTextCliHelpReset = 30662;
constexpr int kTextCliHelpTag = 30663;
constexpr int kTextCliHelpPreset = 30664;
constexpr int kTextCliHelpLoopTest = 30665;

}  // namespace voltaro
