#pragma once
// Language resource modules and the language table.
//
// A language module is a shared object beside the program (or in the installed module
// folder), named after the program file with the row's suffix ("voltaro_jpn.so" for
// "voltaro"). It exports
//     extern "C" const voltaro::StringEntry* voltaro_string_table(std::size_t* count);
// whose entries replace the English texts of their ids; ids it lacks stay English.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/string_table.h"

namespace voltaro {

// Name of the exported table function and its type.
inline constexpr const char* kStringTableSymbol = "voltaro_string_table";
using StringTableFunction = const StringEntry* (*)(std::size_t* count);

inline constexpr uint32_t kLocaleUserDefault = 0x0400;
inline constexpr uint32_t kLocaleJapanese = 0x0411;

struct LanguageRow {
    const char* name;           // "English", "Japanese"
    const char* moduleSuffix;   // nullptr: the program's own (English) texts
    uint32_t localeId;          // compared with the thread locale for index -1
    const char* libraryLocale;  // run-time library locale; "" is the environment's
};

// The two rows: 0 English, 1 Japanese.
std::span<const LanguageRow> LanguageTable();

// True when the first non-empty of LC_ALL, LC_MESSAGES and LANG begins with "ja".
bool EnvironmentIsJapanese();
// The thread locale: the one the last LoadLanguage set, else the environment's
// (kLocaleJapanese or kLocaleUserDefault).
uint32_t ThreadLocaleId();
// A negative index picks the row whose locale id equals localeId, else row 0; an index
// past the table (a damaged setting) also gives row 0.
int ResolveLanguageIndex(int index, uint32_t localeId);
// The language after index, wrapping to 0 (the "Language" command).
int NextLanguage(int index);
// Module file of row index: FindLanguageModule(<program dir>, <program name><suffix>);
// empty for English.
std::string LanguageModulePath(int index);
// Where a program looks for its language module: beside it (a build tree, or a copy of the
// program with its module), else in the installed module folder relative to the program's
// folder (../lib/<arch>/voltaro for a program in /usr/bin), so that an installed tree works
// wherever it is unpacked. When neither file exists, the path beside the program.
std::string FindLanguageModule(const std::string& programDirectory, const std::string& fileName);

// Makes language index (resolved as above) current: unloads a loaded module, loads the
// row's module, sets the thread locale and the library locale (numbers stay in the "C"
// form so that formatting and parsing of values does not depend on the language).
// Returns false when the row's module could not be loaded: English texts stay active and
// the caller shows kMsgCantLoadLanguageModule. The index stays current either way.
bool LoadLanguage(int index);
// The current language index (0 before any LoadLanguage).
int CurrentLanguage();

// Loads the module at path and makes its table active. On failure (missing file, not a
// shared object, no table symbol, empty table) returns false with English active and
// errorText (when given) describing the cause.
bool LoadLanguageModule(const std::string& path, std::string* errorText = nullptr);
// Unloads the active module, if any; English texts become active again.
void UnloadLanguageModule();
bool LanguageModuleLoaded();

// An open language module (dlopen handle) and its table; the table stays valid while the
// module is open.
class CResourceModule {
  public:
    CResourceModule() = default;
    ~CResourceModule() { Close(); }
    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;

    // False, with errorText (when given) describing the cause, for a missing file, a file
    // that is not a shared object, a missing table symbol or an empty table.
    bool Open(const std::string& path, std::string* errorText = nullptr);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    std::span<const StringEntry> Table() const { return table_; }

  private:
    void* handle_ = nullptr;
    std::span<const StringEntry> table_;
};

// Result of comparing a module table with the English table.
struct StringTableCheck {
    std::vector<int> unknownIds;         // module ids that English does not have
    std::vector<int> duplicateIds;       // ids present more than once in the module
    std::vector<int> insertMismatchIds;  // texts whose inserts differ from the English ones
    std::vector<int> missingIds;         // English ids the module lacks (shown in English)
    // Missing ids are allowed: their English text is shown.
    bool Consistent() const {
        return unknownIds.empty() && duplicateIds.empty() && insertMismatchIds.empty();
    }
};

// Positional inserts must match as a multiset (a translation may reorder them); plain
// sequential conversions ("%s", "%d") must match in order, since they take the arguments
// in order.
StringTableCheck CheckStringTable(std::span<const StringEntry> module,
                                  std::span<const StringEntry> english = EnglishStringTable());

}  // namespace voltaro
