// Japanese texts of the live trend chart.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kTrend{};

}  // namespace voltaro::ja
