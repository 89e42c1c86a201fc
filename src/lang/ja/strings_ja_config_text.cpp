// Japanese texts of configurations as text: diff, export, import.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kConfigText{};

}  // namespace voltaro::ja
