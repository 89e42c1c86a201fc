#include "core/comm/link_statistics.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/comm/rtu_framing.h"

namespace voltaro {

bool IsInvalidAnswer(FrameOutcome outcome) {
    return outcome == FrameOutcome::InvalidLength || outcome == FrameOutcome::InvalidTransaction ||
           outcome == FrameOutcome::WrongUnit || outcome == FrameOutcome::WrongFunction;
}

FrameOutcome ClassifyAnswer(ModbusFailure failure, const std::vector<uint8_t>& response,
                            std::size_t n, uint8_t unit, uint8_t function) {
    switch (failure) {
        case ModbusFailure::Timeout:
            return FrameOutcome::Timeout;
        case ModbusFailure::InvalidTransaction:
            return FrameOutcome::InvalidTransaction;
        case ModbusFailure::Crc:
            return FrameOutcome::Crc;
        default:
            break;
    }
    if (n >= 1 && !response.empty() && response[0] != unit) return FrameOutcome::WrongUnit;
    if (n >= 2 && response.size() >= 2 && (response[1] & 0x7F) != function)
        return FrameOutcome::WrongFunction;
    if (failure == ModbusFailure::Exception) return FrameOutcome::Exception;
    if (failure == ModbusFailure::InvalidResponse) return FrameOutcome::InvalidLength;
    return FrameOutcome::Answer;
}

int AnswerTimeHistogram::BucketOf(uint32_t micros) {
    if (micros < kExactBelow) return static_cast<int>(micros);
    const int octave = std::bit_width(micros) - 1;  // 6 .. 31
    const auto sub = static_cast<int>((micros >> (octave - 5)) & (kSubBuckets - 1));
    return static_cast<int>(kExactBelow) + (octave - 6) * kSubBuckets + sub;
}

uint64_t AnswerTimeHistogram::BucketLow(int bucket) {
    if (bucket < static_cast<int>(kExactBelow)) return static_cast<uint64_t>(bucket);
    const int octave = (bucket - static_cast<int>(kExactBelow)) / kSubBuckets + 6;
    const int sub = (bucket - static_cast<int>(kExactBelow)) % kSubBuckets;
    return (uint64_t{1} << octave) + (static_cast<uint64_t>(sub) << (octave - 5));
}

uint64_t AnswerTimeHistogram::BucketEnd(int bucket) {
    if (bucket < static_cast<int>(kExactBelow)) return static_cast<uint64_t>(bucket) + 1;
    const int octave = (bucket - static_cast<int>(kExactBelow)) / kSubBuckets + 6;
    return BucketLow(bucket) + (uint64_t{1} << (octave - 5));
}

void AnswerTimeHistogram::Add(uint32_t micros) {
    ++buckets_[static_cast<std::size_t>(BucketOf(micros))];
    ++count_;
    sum_ += micros;
    min_ = std::min(min_, micros);
    max_ = std::max(max_, micros);
}

double AnswerTimeHistogram::MeanUs() const {
    return count_ ? static_cast<double>(sum_) / static_cast<double>(count_) : 0.0;
}

uint32_t AnswerTimeHistogram::PercentileUs(double p) const {
    if (count_ == 0) return 0;
    const auto rank = std::max<uint64_t>(
        1, static_cast<uint64_t>(std::ceil(p / 100.0 * static_cast<double>(count_))));
    // The extremes are known exactly.
    if (rank >= count_) return max_;
    if (rank == 1) return min_;
    uint64_t seen = 0;
    for (int b = 0; b < kBuckets; ++b) {
        seen += buckets_[static_cast<std::size_t>(b)];
        if (seen < rank) continue;
        const uint64_t middle = (BucketLow(b) + BucketEnd(b) - 1) / 2;
        return static_cast<uint32_t>(std::clamp<uint64_t>(middle, min_, max_));
    }
    return max_;
}

CLinkStatistics::CLinkStatistics(int id, std::string label) : id_(id) {
    data_.id = id;
    data_.label = std::move(label);
}

void CLinkStatistics::SetLabel(std::string label) {
    std::lock_guard<std::mutex> lock(mutex_);
    data_.label = std::move(label);
    data_.open = true;
}

void CLinkStatistics::CountRequest(std::size_t bytes, bool retry) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++data_.counters.requests;
    if (retry) ++data_.counters.retries;
    data_.counters.bytesSent += bytes;
}

void CLinkStatistics::CountReceived(std::size_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    data_.counters.bytesReceived += bytes;
}

void CLinkStatistics::CountOutcome(FrameOutcome outcome, int exceptionCode,
                                   std::size_t bytesReceived, uint32_t micros) {
    std::lock_guard<std::mutex> lock(mutex_);
    LinkCounters& c = data_.counters;
    c.bytesReceived += bytesReceived;
    switch (outcome) {
        case FrameOutcome::Answer:
            ++c.answers;
            break;
        case FrameOutcome::Exception:
            ++c.exceptions;
            ++c.exceptionsByCode[exceptionCode];
            break;
        case FrameOutcome::Timeout:
            ++c.timeouts;
            return;
        case FrameOutcome::Cancelled:
            ++c.cancelled;
            return;
        case FrameOutcome::Late:
            return;
        case FrameOutcome::Crc:
            ++c.crcErrors;
            break;
        case FrameOutcome::InvalidLength:
        case FrameOutcome::InvalidTransaction:
        case FrameOutcome::WrongUnit:
        case FrameOutcome::WrongFunction:
            ++c.invalid;
            break;
    }
    data_.times.Add(micros);
}

void CLinkStatistics::MarkClosed() {
    std::lock_guard<std::mutex> lock(mutex_);
    data_.open = false;
}

LinkSnapshot CLinkStatistics::Snapshot() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return data_;
}

}  // namespace voltaro
