// The trend history of one measurand: memory stays under its bound however fast and long it
// is fed, extremes survive folding into coarser buckets, and window queries give the right
// points at the edges and never more than asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/monitor/trend_buffer.h"

namespace voltaro {
namespace {

constexpr int64_t kDayMs = 24 * kTrendHourMs;

double Wave(int64_t t) {
    return 230.0 + 5.0 * std::sin(static_cast<double>(t) / 60000.0);
}

TEST(TrendBuffer, TwentyFourHoursAtTenSamplesASecondStayUnderTheBound) {
    CTrendBuffer buffer;
    const std::size_t bound = buffer.MaxEntries();
    // The stated bound of the default limits: 10 minutes at 10 Hz, then 1 s buckets for an
    // hour, 10 s buckets for 6 hours and minute buckets for 24 hours.
    EXPECT_EQ(bound, 6000u + 3601u + 2161u + 1441u);
    EXPECT_LT(buffer.MaxMemoryBytes(), 400u * 1024u);
    std::size_t most = 0;
    const int64_t start = 1'700'000'000'000;
    for (int64_t t = start; t <= start + kDayMs + kTrendHourMs; t += 100) {
        buffer.Add(t, Wave(t));
        if (t % 60000 == 0) most = std::max(most, buffer.Entries());
    }
    most = std::max(most, buffer.Entries());
    EXPECT_LE(most, bound);
    EXPECT_LE(buffer.MemoryBytes(), buffer.MaxMemoryBytes());
    // Full-rate samples cover the last 10 minutes; nothing older than 24 hours is kept.
    const int64_t newest = buffer.Newest();
    EXPECT_EQ(buffer.Query(newest - 10 * kTrendMinuteMs, newest, 1'000'000).size(), 6001u);
    EXPECT_GE(buffer.Oldest(), newest - kDayMs - kTrendMinuteMs);
    EXPECT_LE(buffer.Oldest(), newest - kDayMs + kTrendMinuteMs);
}

TEST(TrendBuffer, AFasterPollThanTheFullRateBoundFoldsEarlierInsteadOfGrowing) {
    CTrendBuffer buffer;
    for (int64_t t = 0; t < 2 * kTrendHourMs; t += 10)  // 100 samples a second
        buffer.Add(t, 1.0);
    EXPECT_LE(buffer.Entries(), buffer.MaxEntries());
    // The newest 6000 samples are still full rate: one minute at this rate.
    const int64_t newest = buffer.Newest();
    EXPECT_EQ(buffer.Query(newest - 59'990, newest, 1'000'000).size(), 6000u);
}

TEST(TrendBuffer, ExtremesSurviveEveryFoldAndEveryReduction) {
    CTrendBuffer buffer;
    const int64_t spikeAt = 5 * kTrendHourMs + 1234;
    for (int64_t t = 0; t <= 20 * kTrendHourMs; t += 500) {
        double v = 50.0;
        if (t == spikeAt - 234) v = 97.5;    // one sample high
        if (t == spikeAt + 10'266) v = 2.5;  // one sample low
        buffer.Add(t, v);
    }
    // The spike is 15 hours old now: it lies in a minute bucket.
    const auto all = buffer.Query(0, 20 * kTrendHourMs, 100);
    ASSERT_LE(all.size(), 100u);
    double most = 0, least = 100;
    for (const TrendPoint& p : all) {
        most = std::max(most, p.value);
        least = std::min(least, p.value);
    }
    EXPECT_EQ(most, 97.5);
    EXPECT_EQ(least, 2.5);
    // Around the spike, the minute bucket holds the extremes and the mean of its samples.
    const auto near = buffer.Query(spikeAt - kTrendMinuteMs, spikeAt, 1000);
    ASSERT_FALSE(near.empty());
    const TrendPoint& bucket = near.back();
    EXPECT_EQ(bucket.time % kTrendMinuteMs, 0);
    EXPECT_EQ(bucket.max, 97.5);
    EXPECT_EQ(bucket.min, 2.5);
    EXPECT_NEAR(bucket.value, (118 * 50.0 + 97.5 + 2.5) / 120, 1e-9);
}

TEST(TrendBuffer, WindowEdgesAreIncludedAndNeighboursOnlyWhenAskedFor) {
    CTrendBuffer buffer;
    for (int64_t t = 1000; t <= 10'000; t += 1000)
        buffer.Add(t, static_cast<double>(t / 1000));
    auto times = [](const std::vector<TrendPoint>& points) {
        std::vector<int64_t> out;
        for (const TrendPoint& p : points)
            out.push_back(p.time);
        return out;
    };
    EXPECT_EQ(times(buffer.Query(3000, 5000, 100)), (std::vector<int64_t>{3000, 4000, 5000}));
    EXPECT_EQ(times(buffer.Query(2500, 4500, 100, true)),
              (std::vector<int64_t>{2000, 3000, 4000, 5000}));
    // Windows beyond either end: nothing inside, but the neighbour a line continues from.
    EXPECT_TRUE(buffer.Query(11'000, 20'000, 100).empty());
    EXPECT_EQ(times(buffer.Query(11'000, 20'000, 100, true)), (std::vector<int64_t>{10'000}));
    EXPECT_EQ(times(buffer.Query(0, 999, 100, true)), (std::vector<int64_t>{1000}));
    EXPECT_TRUE(buffer.Query(5000, 4000, 100, true).empty());  // reversed window
    // The whole history exactly at its ends.
    EXPECT_EQ(buffer.Query(1000, 10'000, 100).size(), 10u);
    EXPECT_TRUE(CTrendBuffer().Query(0, 10'000, 100, true).empty());
}

TEST(TrendBuffer, ReductionKeepsToTheBudgetAndTheOrder) {
    CTrendBuffer buffer;
    for (int64_t t = 0; t < 6000; ++t)
        buffer.Add(t * 100, static_cast<double>(t % 7));
    for (std::size_t max : {0u, 1u, 2u, 3u, 10u, 640u, 1999u}) {
        const auto points = buffer.Query(0, 600'000, max, true);
        EXPECT_LE(points.size(), std::max<std::size_t>(max, 2)) << max;
        EXPECT_FALSE(points.empty());
        EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                                   [](auto& a, auto& b) { return a.time < b.time; }));
    }
    // Each slice of a reduction gives its lowest and its highest value.
    const auto reduced = buffer.Query(0, 600'000, 20);
    for (const TrendPoint& p : reduced) {
        EXPECT_EQ(p.min, 0.0);
        EXPECT_EQ(p.max, 6.0);
    }
}

TEST(TrendBuffer, AClockSteppedBackNeverDisordersTheHistory) {
    CTrendBuffer buffer;
    buffer.Add(50'000, 1.0);
    buffer.Add(20'000, 2.0);  // the clock went back 30 s
    buffer.Add(50'500, 3.0);
    const auto points = buffer.Query(0, 100'000, 100);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].time, 50'000);
    EXPECT_EQ(points[1].value, 2.0);
    EXPECT_EQ(buffer.Newest(), 50'500);
    buffer.Clear();
    EXPECT_TRUE(buffer.Empty());
    EXPECT_EQ(buffer.Entries(), 0u);
}

}  // namespace
}  // namespace voltaro
