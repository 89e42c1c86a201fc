#include "core/device/scan_plan.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/comm/rtu_framing.h"
#include "core/platform/message_format.h"
#include "core/platform/scan_text_ids.h"

namespace voltaro {
namespace {

std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c == ',') {
            items.push_back(item);
            item.clear();
        } else if (c != ' ') {
            item += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return items;
}

// A decimal number that fits an int: a larger one is no number here, so that no cast
// below can wrap it into range.
std::optional<int> Number(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

std::string Refusal(int id, const std::string& text) {
    return FormatMessageId(id, {text});
}

}  // namespace

uint32_t ScanTimeoutMs(uint32_t baseMs, uint32_t baud) {
    if (baud == 0 || baud >= kScanFullRateBaud) return baseMs;
    const uint64_t scaled = static_cast<uint64_t>(baseMs) * kScanFullRateBaud;
    return static_cast<uint32_t>((scaled + baud - 1) / baud);
}

std::size_t ScanPlan::ProbeCount() const {
    return std::max<std::size_t>(lines.size(), 1) * addresses.size();
}

std::string ParseAddressList(const std::string& text, std::vector<int>& addresses) {
    std::vector<int> result;
    for (const std::string& item : Items(text)) {
        const std::size_t dash = item.find('-');
        const auto first = Number(item.substr(0, dash));
        const auto last = dash == std::string::npos ? first : Number(item.substr(dash + 1));
        if (!first || !last || *first > *last || !IsValidDeviceAddress(*first) ||
            !IsValidDeviceAddress(*last))
            return Refusal(kMsgScanAddressListInvalid, text);
        for (int a = *first; a <= *last; ++a)
            result.push_back(a);
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    addresses = std::move(result);
    return {};
}

std::string ParseBaudList(const std::string& text, std::vector<int>& baudIndexes) {
    std::vector<int> result;
    for (const std::string& item : Items(text)) {
        const auto rate = Number(item);
        const int index = rate ? BaudIndexOfRate(*rate) : -1;
        if (index < 0) return Refusal(kMsgScanBaudListInvalid, text);
        if (std::find(result.begin(), result.end(), index) == result.end()) result.push_back(index);
    }
    baudIndexes = std::move(result);
    return {};
}

std::string ParseParityList(const std::string& text, std::vector<int>& parities) {
    std::vector<int> result;
    for (const std::string& item : Items(text)) {
        int parity = -1;
        if (item == "n" || item == "none") parity = 0;
        if (item == "o" || item == "odd") parity = 1;
        if (item == "e" || item == "even") parity = 2;
        if (parity < 0) return Refusal(kMsgScanParityListInvalid, text);
        if (std::find(result.begin(), result.end(), parity) == result.end())
            result.push_back(parity);
    }
    parities = std::move(result);
    return {};
}

std::string ParseStopBits(const std::string& text, int& stop) {
    if (text != "1" && text != "2") return Refusal(kMsgScanStopInvalid, text);
    stop = text == "2" ? 1 : 0;
    return {};
}

std::string ParseScanTimeout(const std::string& text, uint32_t& timeoutMs) {
    const auto value = Number(text);
    if (!value || *value < static_cast<int>(kScanMinTimeoutMs) ||
        *value > static_cast<int>(kScanMaxTimeoutMs))
        return FormatMessageId(kMsgScanTimeoutInvalid,
                               {text, kScanMinTimeoutMs, kScanMaxTimeoutMs});
    timeoutMs = static_cast<uint32_t>(*value);
    return {};
}

std::vector<ScanLine> ScanLines(const std::vector<int>& baudIndexes,
                                const std::vector<int>& parities, std::optional<int> stop) {
    std::vector<ScanLine> lines;
    for (int baud : baudIndexes)
        for (int parity : parities)
            lines.push_back({baud, parity, stop.value_or(parity == 0 ? 1 : 0)});
    return lines;
}

const char* ParityLetter(int parity) {
    return parity == 1 ? "O" : parity == 2 ? "E" : "N";
}

std::string ScanLineText(const ScanLine& line) {
    const int parityId = line.parity == 1   ? kMsgScanParityOdd
                         : line.parity == 2 ? kMsgScanParityEven
                                            : kMsgScanParityNone;
    return FormatMessageId(kMsgScanLineText, {BaudRateOfIndex(line.baudIndex),
                                              FormatMessageId(parityId, {}), line.stop + 1});
}

}  // namespace voltaro
