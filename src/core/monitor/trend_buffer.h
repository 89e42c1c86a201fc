#pragma once
// The history of one measured value for a trend chart: the newest samples at full rate,
// older ones folded into min/max/mean buckets of coarser steps as they age, and nothing
// older than the last tier keeps. Memory is bounded by the limits alone, whatever the
// sample rate and however long the buffer runs (MaxEntries). Times are milliseconds on
// the caller's clock; a time earlier than the newest is taken as the newest, so a clock
// stepped back never disorders the history.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace voltaro {

constexpr int64_t kTrendMinuteMs = 60 * 1000;
constexpr int64_t kTrendHourMs = 60 * kTrendMinuteMs;

// One step of decimation: buckets of widthMs, kept until they are keepMs older than the
// newest sample. Each tier's width is a whole multiple of the previous one's.
struct TrendTier {
    int64_t widthMs;
    int64_t keepMs;
};

struct TrendLimits {
    int64_t fullRateMs = 10 * kTrendMinuteMs;  // samples this young are kept as they came
    std::size_t maxFullRatePoints = 6000;      // 10 samples a second for 10 minutes
    std::vector<TrendTier> tiers = {
        {1000, kTrendHourMs}, {10 * 1000, 6 * kTrendHourMs}, {kTrendMinuteMs, 24 * kTrendHourMs}};
};

// A point of the history: a sample (min == max == value) or a bucket (its start time, the
// mean as value, and the least and greatest sample folded into it).
struct TrendPoint {
    int64_t time;
    double value;
    double min;
    double max;
    bool operator==(const TrendPoint&) const = default;
};

class CTrendBuffer {
  public:
    explicit CTrendBuffer(TrendLimits limits = {});

    void Add(int64_t time, double value);
    void Clear();

    // The points from `from` to `to` (both included) in time order, with the point just
    // before and just after the window when withNeighbours (so that a line reaches the
    // window's edges). When there are more than maxPoints, the window is cut into
    // maxPoints / 2 equal slices and each slice gives its lowest and its highest value (in
    // the order they came; both at one time when one bucket holds them), each point carrying
    // the slice's min and max: a spike survives any reduction. maxPoints below 2 counts as 2.
    std::vector<TrendPoint> Query(int64_t from, int64_t to, std::size_t maxPoints,
                                  bool withNeighbours = false) const;

    bool Empty() const { return !any_; }
    int64_t Oldest() const;  // time of the oldest point; 0 when empty
    int64_t Newest() const;  // time of the newest sample; 0 when empty

    // Samples and buckets held now, and the most this buffer can ever hold.
    std::size_t Entries() const;
    std::size_t MaxEntries() const;
    // The memory the entries take (not counting the container's own bookkeeping), now and
    // at most.
    std::size_t MemoryBytes() const;
    std::size_t MaxMemoryBytes() const;

  private:
    struct Sample {
        int64_t time;
        double value;
    };
    struct Bucket {
        int64_t start;
        double min;
        double max;
        double sum;
        int64_t count;
    };

    void FoldSample(const Sample& sample);
    void Merge(std::size_t tier, const Bucket& bucket);
    void Age();
    // Every point in time order (oldest tier first, the full-rate samples last).
    template <typename F>
    void ForEach(F&& visit) const;

    TrendLimits limits_;
    std::deque<Sample> raw_;
    std::vector<std::deque<Bucket>> tiers_;
    int64_t newest_ = 0;
    bool any_ = false;
};

}  // namespace voltaro
