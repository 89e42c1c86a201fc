// Texts of configurations as text: diff, export, import (ids in config_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kConfigText{};

}  // namespace voltaro::strings
