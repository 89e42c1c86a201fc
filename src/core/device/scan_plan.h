#pragma once
// What a bus scan tries: every line setting times every address over a serial line, or
// every unit id over a TCP gateway; the lists as the user writes them ("1-247",
// "1,5,9-12", "9600,19200", "N,E") and the short per-request time-out of a probe.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/comm/com_settings.h"

namespace voltaro {

// Time-out of one probe at kScanFullRateBaud and above. Below it the time-out grows with
// the time a byte takes on the wire: kScanTimeoutMs x kScanFullRateBaud / baud, rounded up
// (200 ms at 4800, 800 ms at 1200 bit/s).
constexpr uint32_t kScanTimeoutMs = 100;
constexpr uint32_t kScanFullRateBaud = 9600;
// Bounds of a time-out the user gives.
constexpr uint32_t kScanMinTimeoutMs = 10;
constexpr uint32_t kScanMaxTimeoutMs = 10000;

uint32_t ScanTimeoutMs(uint32_t baseMs, uint32_t baud);

// One line setting, as CComSettings stores it.
struct ScanLine {
    int baudIndex = 3;  // index into 1200 ... 38400
    int parity = 0;     // 0 none, 1 odd, 2 even
    int stop = 0;       // 0 one stop bit, 1 two
    bool operator==(const ScanLine&) const = default;
};

struct ScanPlan {
    std::vector<ScanLine> lines;          // empty over TCP
    std::vector<int> addresses;           // device addresses, or unit ids over TCP
    uint32_t timeoutMs = kScanTimeoutMs;  // at kScanFullRateBaud and above

    // Probes the plan sends.
    std::size_t ProbeCount() const;
};

// Each parser fills its result and returns an empty string, or returns the refusal from the
// message table (the input is left as it was).
// "1-247", "1,5,9-12": ascending addresses without repeats, each 1 to 247.
std::string ParseAddressList(const std::string& text, std::vector<int>& addresses);
// "9600,19200": baud indexes in the order given, without repeats.
std::string ParseBaudList(const std::string& text, std::vector<int>& baudIndexes);
// "N,E,O" (also "none", "even", "odd"): parity codes as CComSettings stores them.
std::string ParseParityList(const std::string& text, std::vector<int>& parities);
// "1" or "2": the stored stop code (0 or 1).
std::string ParseStopBits(const std::string& text, int& stop);
// Milliseconds kScanMinTimeoutMs to kScanMaxTimeoutMs.
std::string ParseScanTimeout(const std::string& text, uint32_t& timeoutMs);

// Every baud x parity, in that order. Without a stop choice the usual rule of the bus
// applies: two stop bits without parity, one with it.
std::vector<ScanLine> ScanLines(const std::vector<int>& baudIndexes,
                                const std::vector<int>& parities, std::optional<int> stop);

// "9600 bit/s, parity even, 1 stop bit(s)" from the message table.
std::string ScanLineText(const ScanLine& line);
// "N", "O", "E" of a stored parity code.
const char* ParityLetter(int parity);

}  // namespace voltaro
