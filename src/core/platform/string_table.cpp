#include "core/platform/string_table.h"

#include <algorithm>
#include <mutex>
#include <shared_mutex>

#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

struct OwnedEntry {
    int id;
    std::string text;
};

std::vector<StringEntry> BuildEnglish() {
    std::vector<StringEntry> all;
    for (auto block : {strings::kMessages,     strings::kUi,           strings::kLists,
                       strings::kModels,       strings::kParameters,   strings::kInvented,
                       strings::kPrograms,     strings::kCliHelp,      strings::kMonitor,
                       strings::kMonitorCli,   strings::kSafety,       strings::kMaintenance,
                       strings::kSystemErrors, strings::kDesktopData,  strings::kWiring,
                       strings::kScan,         strings::kLinkStats,    strings::kMonitorTools,
                       strings::kTrend,        strings::kSafeDownload, strings::kConfigText,
                       strings::kFleet}) {
        all.insert(all.end(), block.begin(), block.end());
    }
    // Stable so that a duplicate id (a data error that a test catches) resolves
    // to its first occurrence.
    std::stable_sort(all.begin(), all.end(),
                     [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; });
    return all;
}

std::shared_mutex& ActiveMutex() {
    static std::shared_mutex mutex;
    return mutex;
}

std::vector<OwnedEntry>& ActiveTable() {
    static std::vector<OwnedEntry> table;
    return table;
}

// Depth of the CEnglishTextScope objects alive on this thread.
thread_local int englishScopes = 0;

const StringEntry* FindEnglish(int id) {
    auto table = EnglishStringTable();
    auto it = std::lower_bound(table.begin(), table.end(), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    return (it != table.end() && it->id == id) ? &*it : nullptr;
}

}  // namespace

std::span<const StringEntry> EnglishStringTable() {
    static const std::vector<StringEntry> table = BuildEnglish();
    return table;
}

CEnglishTextScope::CEnglishTextScope() {
    ++englishScopes;
}

CEnglishTextScope::~CEnglishTextScope() {
    --englishScopes;
}

std::string LoadString(int id) {
    if (englishScopes == 0) {
        std::shared_lock<std::shared_mutex> lock(ActiveMutex());
        const auto& active = ActiveTable();
        auto it = std::lower_bound(active.begin(), active.end(), id,
                                   [](const OwnedEntry& e, int key) { return e.id < key; });
        if (it != active.end() && it->id == id) return it->text;
    }
    const StringEntry* entry = FindEnglish(id);
    return entry && entry->text ? std::string(entry->text) : std::string();
}

bool HasString(int id) {
    if (englishScopes == 0) {
        std::shared_lock<std::shared_mutex> lock(ActiveMutex());
        const auto& active = ActiveTable();
        auto it = std::lower_bound(active.begin(), active.end(), id,
                                   [](const OwnedEntry& e, int key) { return e.id < key; });
        if (it != active.end() && it->id == id) return true;
    }
    return FindEnglish(id) != nullptr;
}

void SetActiveStringTable(std::span<const StringEntry> table) {
    std::vector<OwnedEntry> copy;
    copy.reserve(table.size());
    for (const auto& e : table) {
        if (e.text) copy.push_back({e.id, e.text});
    }
    std::stable_sort(copy.begin(), copy.end(),
                     [](const OwnedEntry& a, const OwnedEntry& b) { return a.id < b.id; });
    std::unique_lock<std::shared_mutex> lock(ActiveMutex());
    ActiveTable() = std::move(copy);
}

}  // namespace voltaro
