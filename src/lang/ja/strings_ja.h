#pragma once
// The data blocks of the Japanese language module (one per source file). Ids that no
// block has (model strings that are product codes only) stay English.
// Every block must be a constant (a span of a constant array): the module joins them
// when it is loaded, before any initialisation code of its own would run.
#include <span>

#include "core/platform/string_table.h"

namespace voltaro::ja {

extern const std::span<const StringEntry> kMessages;      // message_ids.h
extern const std::span<const StringEntry> kUi;            // captions, labels, columns, units
extern const std::span<const StringEntry> kDialogs;       // dialog texts of ui_text_ids.h
extern const std::span<const StringEntry> kModels;        // model strings with words
extern const std::span<const StringEntry> kLists;         // enumeration and list entries
extern const std::span<const StringEntry> kParameters;    // parameter and group names
extern const std::span<const StringEntry> kInvented;      // texts of the English invented block
extern const std::span<const StringEntry> kPrograms;      // --version and --help texts
extern const std::span<const StringEntry> kCliHelp;       // voltaro-cli --help, help COMMAND
extern const std::span<const StringEntry> kMonitor;       // meter monitor and its log
extern const std::span<const StringEntry> kMonitorCli;    // voltaro-cli monitor
extern const std::span<const StringEntry> kMaintenance;   // clock, resets, tag, loop tests
extern const std::span<const StringEntry> kSafety;        // files, settings, unsafe device states
extern const std::span<const StringEntry> kSystemErrors;  // errno and resolver texts
extern const std::span<const StringEntry> kDesktopData;   // desktop data safety
extern const std::span<const StringEntry> kWiring;        // wiring check
extern const std::span<const StringEntry> kScan;          // bus scan
extern const std::span<const StringEntry> kLinkStats;     // link statistics, frame log
extern const std::span<const StringEntry> kMonitorTools;  // recording, wiring findings
extern const std::span<const StringEntry> kTrend;         // trend chart
extern const std::span<const StringEntry> kSafeDownload;  // safe download
extern const std::span<const StringEntry> kConfigText;    // diff, export, import
extern const std::span<const StringEntry> kFleet;         // fleet runs

}  // namespace voltaro::ja
