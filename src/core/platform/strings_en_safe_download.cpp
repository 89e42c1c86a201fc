// Texts of backup, read-back verification and the audit log of downloads (ids in
// safe_download_text_ids.h).
#include "core/platform/string_table.h"

namespace voltaro::strings {

const std::span<const StringEntry> kSafeDownload{};

}  // namespace voltaro::strings
