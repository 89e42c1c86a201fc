#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kParameters{};

}  // namespace voltaro::strings
