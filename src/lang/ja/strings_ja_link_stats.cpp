// Japanese texts of link statistics, the frame log and the Communication window.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kLinkStats{};

}  // namespace voltaro::ja
