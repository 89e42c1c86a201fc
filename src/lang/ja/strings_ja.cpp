// The exported table function of the Japanese language module: the blocks joined once
// into one table.
#include <cstddef>
#include <vector>

#include "lang/ja/strings_ja.h"

namespace {

const std::vector<voltaro::StringEntry>& Table() {
    static const std::vector<voltaro::StringEntry> table = [] {
        std::vector<voltaro::StringEntry> all;
        for (auto block :
             {voltaro::ja::kMessages,     voltaro::ja::kUi,           voltaro::ja::kDialogs,
              voltaro::ja::kLists,        voltaro::ja::kModels,       voltaro::ja::kParameters,
              voltaro::ja::kInvented,     voltaro::ja::kPrograms,     voltaro::ja::kCliHelp,
              voltaro::ja::kMonitor,      voltaro::ja::kMonitorCli,   voltaro::ja::kSafety,
              voltaro::ja::kMaintenance,  voltaro::ja::kSystemErrors, voltaro::ja::kDesktopData,
              voltaro::ja::kWiring,       voltaro::ja::kScan,         voltaro::ja::kLinkStats,
              voltaro::ja::kMonitorTools, voltaro::ja::kTrend,        voltaro::ja::kSafeDownload,
              voltaro::ja::kConfigText,   voltaro::ja::kFleet})
            all.insert(all.end(), block.begin(), block.end());
        return all;
    }();
    return table;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const voltaro::StringEntry* voltaro_string_table(
    std::size_t* count) {
    const auto& table = Table();
    *count = table.size();
    return table.data();
}
