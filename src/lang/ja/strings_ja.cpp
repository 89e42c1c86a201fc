// The exported table function of the Japanese language module: the blocks joined once
// into one table.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <span>

#include "lang/ja/strings_ja.h"

// Nothing here needs the C++ library: the module links the C library only, so that a
// program that carries its own copy of the C++ library does not load a second one with
// its Japanese texts.
namespace {

voltaro::StringEntry* table = nullptr;
std::size_t tableCount = 0;

__attribute__((constructor)) void JoinBlocks() {
    const std::initializer_list<std::span<const voltaro::StringEntry>> blocks = {
        voltaro::ja::kMessages,     voltaro::ja::kUi,           voltaro::ja::kDialogs,
        voltaro::ja::kLists,        voltaro::ja::kModels,       voltaro::ja::kParameters,
        voltaro::ja::kInvented,     voltaro::ja::kPrograms,     voltaro::ja::kCliHelp,
        voltaro::ja::kMonitor,      voltaro::ja::kMonitorCli,   voltaro::ja::kSafety,
        voltaro::ja::kMaintenance,  voltaro::ja::kSystemErrors, voltaro::ja::kDesktopData,
        voltaro::ja::kWiring,       voltaro::ja::kScan,         voltaro::ja::kLinkStats,
        voltaro::ja::kMonitorTools, voltaro::ja::kTrend,        voltaro::ja::kSafeDownload,
        voltaro::ja::kConfigText,   voltaro::ja::kFleet};
    std::size_t count = 0;
    for (auto block : blocks)
        count += block.size();
    auto* all =
        static_cast<voltaro::StringEntry*>(std::malloc(count * sizeof(voltaro::StringEntry)));
    if (!all) return;  // the loader then reports an empty table
    std::size_t at = 0;
    for (auto block : blocks) {
        if (!block.empty()) std::memcpy(all + at, block.data(), block.size_bytes());
        at += block.size();
    }
    table = all;
    tableCount = count;
}

__attribute__((destructor)) void FreeBlocks() {
    std::free(table);
    table = nullptr;
    tableCount = 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const voltaro::StringEntry* voltaro_string_table(
    std::size_t* count) {
    *count = tableCount;
    return table;
}
