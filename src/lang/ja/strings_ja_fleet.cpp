// Japanese texts of fleet runs over many devices.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kFleet{};

}  // namespace voltaro::ja
