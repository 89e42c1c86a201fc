// Texts of link statistics, the frame log and the Communication window (ids in link_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kLinkStats{};

}  // namespace voltaro::strings
