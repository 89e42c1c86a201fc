// Texts of fleet runs over many devices (ids in fleet_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kFleet{};

}  // namespace voltaro::strings
