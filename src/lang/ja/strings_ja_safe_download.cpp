// Japanese texts of backup, read-back verification and the audit log of downloads.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {

const std::span<const StringEntry> kSafeDownload{};

}  // namespace voltaro::ja
