#pragma once
// Text ids of configurations as text: diff, export, import (31800 .. 31869).

namespace voltaro {

// Import refusals: each names the parameter (key, group and name) where there is one.
constexpr int kTextConfigJsonMalformed = 31800;  // %1 file, %2 what, %3 line, %4 column
constexpr int kTextConfigNotExport = 31801;      // %1 the member that is missing or wrong
constexpr int kTextConfigRowMismatch = 31802;    // %1 row given, %2 row of the identification
constexpr int kTextConfigUnknownKey = 31803;     // %1 key
constexpr int kTextConfigNotForModel = 31804;    // %1 key, %2 group, %3 name, %4 model
constexpr int kTextConfigMissing = 31805;        // %1 key, %2 group, %3 name
constexpr int kTextConfigDuplicate = 31806;      // %1 key
constexpr int kTextConfigNotInteger = 31807;     // %1 key, %2 group, %3 name
constexpr int kTextConfigOutOfRange = 31808;     // %1 key, %2 group, %3 name, %4 value, %5 allowed
constexpr int kTextConfigBadEntry = 31809;       // %1 entry number, %2 group
constexpr int kTextConfigNothingWritten = 31810;

// The diff.
constexpr int kTextConfigDiffModel = 31811;  // "Model"
constexpr int kTextConfigOnlyIn = 31812;     // %1 file name
constexpr int kTextConfigSame = 31813;       // no difference
constexpr int kTextConfigDiffCount = 31814;  // %1 differing, %2 in one file only
constexpr int kTextConfigModelsDiffer = 31815;

// voltaro-cli.
constexpr int kTextConfigImported = 31816;  // %1 row, %2 model, %3 from, %4 to
constexpr int kTextCliSummaryDiff = 31820;
constexpr int kTextCliHelpDiff = 31821;
constexpr int kTextCliSummaryExport = 31822;
constexpr int kTextCliHelpExport = 31823;
constexpr int kTextCliSummaryImport = 31824;
constexpr int kTextCliHelpImport = 31825;

}  // namespace voltaro
