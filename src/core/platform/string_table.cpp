#include "core/platform/string_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>
#include <shared_mutex>

#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

struct OwnedEntry {
    int id;
    std::string text;
};

// Orders entries by id and keeps the order of equal ids, so that a duplicate id (a data
// error that a test catches) resolves to its first occurrence. The table is built at every
// start of a program: a radix sort over the id's bytes is a few passes over it, where a
// comparison sort of its 1500 entries was a third of a short command's own work.
void SortById(std::vector<StringEntry>& entries) {
    std::vector<StringEntry> sorted(entries.size());
    for (unsigned shift = 0; shift < 32; shift += 8) {
        // The sign bit flipped, so that negative ids would come first as a comparison has it.
        auto digit = [shift](const StringEntry& e) {
            return ((static_cast<uint32_t>(e.id) ^ 0x80000000u) >> shift) & 0xFFu;
        };
        std::array<std::size_t, 257> next{};
        for (const StringEntry& e : entries)
            ++next[digit(e) + 1];
        if (std::find(next.begin(), next.end(), entries.size()) != next.end()) continue;
        for (std::size_t i = 1; i < next.size(); ++i)
            next[i] += next[i - 1];
        for (const StringEntry& e : entries)
            sorted[next[digit(e)]++] = e;
        entries.swap(sorted);
    }
}

std::vector<StringEntry> BuildEnglish() {
    const auto blocks = {
        strings::kMessages,     strings::kUi,           strings::kLists,    strings::kModels,
        strings::kParameters,   strings::kInvented,     strings::kPrograms, strings::kCliHelp,
        strings::kMonitor,      strings::kMonitorCli,   strings::kSafety,   strings::kMaintenance,
        strings::kSystemErrors, strings::kDesktopData,  strings::kWiring,   strings::kScan,
        strings::kLinkStats,    strings::kMonitorTools, strings::kTrend,    strings::kSafeDownload,
        strings::kConfigText,   strings::kFleet};
    std::size_t count = 0;
    for (auto block : blocks)
        count += block.size();
    std::vector<StringEntry> all;
    all.reserve(count);
    for (auto block : blocks)
        all.insert(all.end(), block.begin(), block.end());
    SortById(all);
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
