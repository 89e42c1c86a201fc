#pragma once
// Stand-in for the shared value helpers until they are available in core/model: the
// same names and contracts, in a namespace of their own so that they never clash.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace voltaro::interim {

constexpr int64_t kNoExtraValue = std::numeric_limits<int64_t>::min();

int64_t ParseScaledValue(const std::string& text, int64_t min, int64_t max, int64_t scale,
                         int nameId, int64_t extra = kNoExtraValue);
std::string FormatScaledValue(int64_t value, int64_t scale);
std::string FormatScaledBound(int decimals, int64_t value);
std::vector<std::string> StringList(int count, int firstId);

}  // namespace voltaro::interim
