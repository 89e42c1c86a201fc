// Texts of the live trend chart (ids in trend_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kTrend{};

}  // namespace voltaro::strings
