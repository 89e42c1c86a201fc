#pragma once
// Control ids of the main window. Widgets carry them as object names "id<number>" so
// that tests and the setting-dialog wiring find them by id.
namespace voltaro {

// Command buttons
constexpr int kIdUpload = 1032;
constexpr int kIdDownload = 1033;
constexpr int kIdProtect = 1040;
constexpr int kIdReport = 1034;
constexpr int kIdSaveFile = 1038;
constexpr int kIdOpenFile = 1039;
constexpr int kIdMonitor = 1037;
constexpr int kIdLanguage = 1045;

// Model, system, ratings, demand
constexpr int kIdModelPrefix = 1054;
constexpr int kIdModelDescription = 1056;
constexpr int kIdModelVersion = 1057;
constexpr int kIdSystem = 1047;
constexpr int kIdVtPrimary = 1048;
constexpr int kIdVtSecondary = 1049;
constexpr int kIdCtPrimary = 1050;
constexpr int kIdCtSecondary = 1017;
constexpr int kIdBarVoltage = 1018;
constexpr int kIdBarCurrent = 1019;
constexpr int kIdCurrentDemand = 1051;
constexpr int kIdCurrentDemandInterval = 1046;
constexpr int kIdPowerDemand = 1021;
constexpr int kIdPowerDemandInterval = 1058;
constexpr int kIdDipSwitch = 1157;

// Setting dialog buttons
constexpr int kIdAlarm = 1052;
constexpr int kIdTariff = 1036;
constexpr int kIdOthers = 1030;
constexpr int kIdDisplay = 1042;
constexpr int kIdExtBar = 1043;
constexpr int kIdSigmaDisp = 1097;
constexpr int kIdExpression = 1044;
constexpr int kIdShortCut = 1053;
constexpr int kIdPasscode = 1031;
constexpr int kIdDi = 1102;
constexpr int kIdDoPo = 1103;
constexpr int kIdAo = 1041;
constexpr int kIdModbus = 1035;
constexpr int kIdCcLink = 1055;

}  // namespace voltaro
