// Japanese texts of the bus scan and "Find devices...".
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kScan{};

}  // namespace voltaro::ja
