#pragma once
// Figures of one Modbus connection: what was sent, what came back and how long the answers
// took. The client counts on its own thread; anyone may take a snapshot at any time.
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace voltaro {

// How one request attempt ended, as the client judged the answer (or its absence).
enum class FrameOutcome : uint8_t {
    Answer,              // a valid answer
    Exception,           // the device's exception answer
    Timeout,             // nothing arrived in time
    Crc,                 // a complete answer with a wrong CRC
    InvalidLength,       // an answer shorter than the request needs
    InvalidTransaction,  // a TCP answer to another transaction
    WrongUnit,           // an answer from another unit address
    WrongFunction,       // an answer to another function
    Cancelled,           // the user's Cancel ended the wait
    Late,                // a late answer to an earlier request, dropped
};

bool IsInvalidAnswer(FrameOutcome outcome);

enum class ModbusFailure;
// The outcome of an attempt from the transport's verdict and the answer (response: unit,
// function, ... as validated; n: its bytes that arrived). An answer that passed the
// transport's checks but carries another unit address or function is a wrong answer.
FrameOutcome ClassifyAnswer(ModbusFailure failure, const std::vector<uint8_t>& response,
                            std::size_t n, uint8_t unit, uint8_t function);

// Answer times in microseconds, bounded: exact below 64 us, above that 32 buckets per
// octave, so a percentile is the midpoint of the bucket holding the nearest-rank sample,
// within 1/64 (1.6 %) of it. Minimum, maximum and mean are exact.
class AnswerTimeHistogram {
  public:
    static constexpr int kSubBuckets = 32;
    static constexpr uint32_t kExactBelow = 64;
    static constexpr int kBuckets = static_cast<int>(kExactBelow) + (32 - 6) * kSubBuckets;

    void Add(uint32_t micros);
    uint64_t Count() const { return count_; }
    uint32_t MinUs() const { return count_ ? min_ : 0; }
    uint32_t MaxUs() const { return max_; }
    double MeanUs() const;
    // Nearest-rank percentile (0 < p <= 100) as described above; 0 without samples.
    uint32_t PercentileUs(double p) const;

    static int BucketOf(uint32_t micros);
    // Smallest value of a bucket and the first value past it.
    static uint64_t BucketLow(int bucket);
    static uint64_t BucketEnd(int bucket);

  private:
    std::array<uint32_t, kBuckets> buckets_{};
    uint64_t count_ = 0;
    uint64_t sum_ = 0;
    uint32_t min_ = UINT32_MAX;
    uint32_t max_ = 0;
};

struct LinkCounters {
    uint64_t requests = 0;  // request frames sent, retries included
    uint64_t retries = 0;   // of which repeated an exchange that failed
    uint64_t answers = 0;   // valid answers
    uint64_t timeouts = 0;
    uint64_t crcErrors = 0;
    uint64_t exceptions = 0;                   // exception answers, all codes
    std::map<int, uint64_t> exceptionsByCode;  // exception code -> answers
    uint64_t invalid = 0;                      // wrong unit, length, function or transaction
    uint64_t cancelled = 0;
    uint64_t bytesSent = 0;
    uint64_t bytesReceived = 0;
};

struct LinkSnapshot {
    int id = 0;         // 1, 2, ... in the order the connections were made
    std::string label;  // "TCP host:port", "serial /dev/ttyUSB0"
    bool open = true;   // false once the client is gone
    LinkCounters counters;
    AnswerTimeHistogram times;  // attempts that got a complete answer of any kind
};

class CLinkStatistics {
  public:
    CLinkStatistics(int id, std::string label);

    int Id() const { return id_; }
    void SetLabel(std::string label);
    // A request frame of `bytes` bytes went out; retry when it repeats a failed attempt.
    void CountRequest(std::size_t bytes, bool retry);
    // Bytes that arrived but belong to no outcome (a late answer that was dropped).
    void CountReceived(std::size_t bytes);
    // How the attempt ended; micros counts for every outcome where an answer arrived.
    void CountOutcome(FrameOutcome outcome, int exceptionCode, std::size_t bytesReceived,
                      uint32_t micros);
    void MarkClosed();
    LinkSnapshot Snapshot() const;

  private:
    const int id_;
    mutable std::mutex mutex_;  // held only to update or copy the figures
    LinkSnapshot data_;
};

}  // namespace voltaro
