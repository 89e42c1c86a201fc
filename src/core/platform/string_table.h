#pragma once
// The string table: every user-visible text of the system, selected by numeric id.
// English texts are compiled in; a language module may replace any of them.
#include <span>
#include <string>
#include <vector>

namespace voltaro {

struct StringEntry {
    int id;
    const char* text;
};

// The English table, sorted by id, assembled once from the data blocks.
std::span<const StringEntry> EnglishStringTable();

// Text of id in the active language, the English text when the active table
// lacks it, and an empty text when neither has it.
std::string LoadString(int id);
// True when the active table or the English table has id.
bool HasString(int id);

// Makes table (any order) the active language's table; an empty span returns to English.
// The entries are copied, so the source may be unloaded afterwards.
void SetActiveStringTable(std::span<const StringEntry> table);

// While an object of this class lives, LoadString and HasString on its thread give the
// English texts whatever language is active: for output that must read the same for every
// user (files meant for version control). Scopes nest; other threads are not affected.
class CEnglishTextScope {
  public:
    CEnglishTextScope();
    ~CEnglishTextScope();
    CEnglishTextScope(const CEnglishTextScope&) = delete;
    CEnglishTextScope& operator=(const CEnglishTextScope&) = delete;
};

// The data blocks that make up the English table (one per source file).
namespace strings {
extern const std::span<const StringEntry> kMessages;    // message_ids.h
extern const std::span<const StringEntry> kUi;          // captions, labels, columns, units
extern const std::span<const StringEntry> kLists;       // enumeration and list entries
extern const std::span<const StringEntry> kModels;      // model strings 3500+
extern const std::span<const StringEntry> kParameters;  // parameter and group names 15000+/16000+
// Texts whose wording was not given with their id and was written to fit their
// neighbours; kept in one place so they can be corrected later.
extern const std::span<const StringEntry> kInvented;
// What the programs print for --version and --help (30600 ...).
extern const std::span<const StringEntry> kPrograms;
// voltaro-cli --help and help COMMAND (30610 ...).
extern const std::span<const StringEntry> kCliHelp;
// Texts of the meter monitor and its log: measurand names and messages (30000 .. 30149).
extern const std::span<const StringEntry> kMonitor;
// Texts of voltaro-cli's monitor command (30150 .. 30199).
extern const std::span<const StringEntry> kMonitorCli;
extern const std::span<const StringEntry> kWiring;  // the wiring check
// Messages about files, settings and devices left in an unsafe state (30400+).
extern const std::span<const StringEntry> kSafety;
extern const std::span<const StringEntry> kDesktopData;   // desktop data safety (302xx)
extern const std::span<const StringEntry> kMaintenance;   // clock, resets, tag, loop tests
extern const std::span<const StringEntry> kScan;          // bus scan
extern const std::span<const StringEntry> kLinkStats;     // link statistics, frame log
extern const std::span<const StringEntry> kMonitorTools;  // recording, wiring findings
extern const std::span<const StringEntry> kTrend;         // trend chart
extern const std::span<const StringEntry> kSafeDownload;  // safe download
extern const std::span<const StringEntry> kConfigText;    // diff, export, import
extern const std::span<const StringEntry> kFleet;         // fleet runs
}  // namespace strings

}  // namespace voltaro
