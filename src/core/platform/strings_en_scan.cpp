// Texts of the bus scan and "Find devices..." (ids in scan_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kScan{};

}  // namespace voltaro::strings
