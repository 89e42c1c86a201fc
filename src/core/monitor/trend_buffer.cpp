#include "core/monitor/trend_buffer.h"

#include <algorithm>

namespace voltaro {
namespace {

// The start of the step-wide slot that holds time (times before 0 round down as well).
int64_t SlotStart(int64_t time, int64_t width) {
    const int64_t q = time / width;
    return (time % width < 0 ? q - 1 : q) * width;
}

}  // namespace

CTrendBuffer::CTrendBuffer(TrendLimits limits)
    : limits_(std::move(limits)), tiers_(limits_.tiers.size()) {}

void CTrendBuffer::Clear() {
    raw_.clear();
    for (auto& tier : tiers_)
        tier.clear();
    newest_ = 0;
    any_ = false;
}

void CTrendBuffer::Add(int64_t time, double value) {
    if (any_ && time < newest_) time = newest_;
    newest_ = time;
    any_ = true;
    raw_.push_back({time, value});
    Age();
}

void CTrendBuffer::Age() {
    while (!raw_.empty() && (raw_.size() > limits_.maxFullRatePoints ||
                             raw_.front().time < newest_ - limits_.fullRateMs)) {
        FoldSample(raw_.front());
        raw_.pop_front();
    }
    for (std::size_t i = 0; i < tiers_.size(); ++i) {
        const TrendTier& step = limits_.tiers[i];
        auto& tier = tiers_[i];
        while (!tier.empty() && tier.front().start + step.widthMs <= newest_ - step.keepMs) {
            if (i + 1 < tiers_.size()) Merge(i + 1, tier.front());
            tier.pop_front();
        }
    }
}

void CTrendBuffer::FoldSample(const Sample& sample) {
    if (tiers_.empty()) return;
    Merge(0, {sample.time, sample.value, sample.value, sample.value, 1});
}

void CTrendBuffer::Merge(std::size_t tier, const Bucket& bucket) {
    auto& buckets = tiers_[tier];
    const int64_t start = SlotStart(bucket.start, limits_.tiers[tier].widthMs);
    if (!buckets.empty() && buckets.back().start == start) {
        Bucket& into = buckets.back();
        into.min = std::min(into.min, bucket.min);
        into.max = std::max(into.max, bucket.max);
        into.sum += bucket.sum;
        into.count += bucket.count;
        return;
    }
    buckets.push_back({start, bucket.min, bucket.max, bucket.sum, bucket.count});
}

template <typename F>
void CTrendBuffer::ForEach(F&& visit) const {
    for (std::size_t i = tiers_.size(); i-- > 0;) {
        for (const Bucket& b : tiers_[i]) {
            if (!visit(TrendPoint{b.start, b.sum / static_cast<double>(b.count), b.min, b.max}))
                return;
        }
    }
    for (const Sample& s : raw_)
        if (!visit(TrendPoint{s.time, s.value, s.value, s.value})) return;
}

std::vector<TrendPoint> CTrendBuffer::Query(int64_t from, int64_t to, std::size_t maxPoints,
                                            bool withNeighbours) const {
    std::vector<TrendPoint> inside;
    std::vector<TrendPoint> before, after;
    if (to < from) return inside;
    ForEach([&](const TrendPoint& p) {
        if (p.time < from) {
            before.assign(1, p);
        } else if (p.time <= to) {
            inside.push_back(p);
        } else {
            after.assign(1, p);
            return false;
        }
        return true;
    });
    if (!withNeighbours) {
        before.clear();
        after.clear();
    }
    const std::size_t edges = before.size() + after.size();
    const std::size_t budget = std::max<std::size_t>(maxPoints, 2 + edges) - edges;
    if (inside.size() > budget) {
        const auto slices = static_cast<int64_t>(budget / 2);
        const int64_t span = to - from + 1;
        std::vector<TrendPoint> reduced;
        reduced.reserve(budget);
        std::size_t first = 0;
        while (first < inside.size()) {
            const int64_t slice = (inside[first].time - from) * slices / span;
            std::size_t low = first, high = first, end = first;
            for (; end < inside.size() && (inside[end].time - from) * slices / span == slice;
                 ++end) {
                if (inside[end].min < inside[low].min) low = end;
                if (inside[end].max > inside[high].max) high = end;
            }
            const double min = inside[low].min, max = inside[high].max;
            auto emit = [&](std::size_t k, double value) {
                reduced.push_back({inside[k].time, value, min, max});
            };
            if (low == high && min == max) {
                emit(low, min);
            } else if (low == high) {  // one bucket holds both: its low, then its high
                emit(low, min);
                emit(low, max);
            } else if (low < high) {
                emit(low, min);
                emit(high, max);
            } else {
                emit(high, max);
                emit(low, min);
            }
            first = end;
        }
        inside = std::move(reduced);
    }
    inside.insert(inside.begin(), before.begin(), before.end());
    inside.insert(inside.end(), after.begin(), after.end());
    return inside;
}

int64_t CTrendBuffer::Oldest() const {
    int64_t oldest = 0;
    ForEach([&](const TrendPoint& p) {
        oldest = p.time;
        return false;
    });
    return oldest;
}

int64_t CTrendBuffer::Newest() const {
    return any_ ? newest_ : 0;
}

std::size_t CTrendBuffer::Entries() const {
    std::size_t n = raw_.size();
    for (const auto& tier : tiers_)
        n += tier.size();
    return n;
}

std::size_t CTrendBuffer::MaxEntries() const {
    std::size_t n = limits_.maxFullRatePoints;
    for (const TrendTier& step : limits_.tiers)
        n += static_cast<std::size_t>(step.keepMs / step.widthMs) + 1;
    return n;
}

std::size_t CTrendBuffer::MemoryBytes() const {
    return raw_.size() * sizeof(Sample) + (Entries() - raw_.size()) * sizeof(Bucket);
}

std::size_t CTrendBuffer::MaxMemoryBytes() const {
    return limits_.maxFullRatePoints * sizeof(Sample) +
           (MaxEntries() - limits_.maxFullRatePoints) * sizeof(Bucket);
}

}  // namespace voltaro
