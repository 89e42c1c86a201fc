#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kUi{};

}  // namespace voltaro::strings
