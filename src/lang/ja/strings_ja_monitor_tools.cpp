// Japanese texts of recording and the wiring findings in the monitor windows.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kMonitorTools{};

}  // namespace voltaro::ja
