// Texts of recording and the wiring findings in the monitor windows (ids in
// monitor_tools_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kMonitorTools{};

}  // namespace voltaro::strings
