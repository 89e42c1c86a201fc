// Link figures: the answer-time histogram's accuracy, the outcome of every kind of answer,
// each counted once, and the bounded frame log with its listeners.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/comm/link_monitor.h"
#include "core/comm/link_statistics.h"
#include "core/comm/rtu_framing.h"

namespace voltaro {
namespace {

// The nearest-rank percentile of a sorted sample.
uint32_t NearestRank(const std::vector<uint32_t>& sorted, double p) {
    const auto rank =
        static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

void ExpectWithinBucket(uint32_t reported, uint32_t exact) {
    // Exact below 64 us, else within half a bucket (1/64) of the true value.
    if (exact < AnswerTimeHistogram::kExactBelow)
        EXPECT_EQ(reported, exact);
    else
        EXPECT_NEAR(reported, exact, static_cast<double>(exact) / 64.0 + 1) << "exact " << exact;
}

TEST(AnswerTimeHistogram, BucketsCoverEveryValueWithoutGapOrOverlap) {
    for (int b = 0; b + 1 < AnswerTimeHistogram::kBuckets; ++b)
        ASSERT_EQ(AnswerTimeHistogram::BucketEnd(b), AnswerTimeHistogram::BucketLow(b + 1)) << b;
    EXPECT_EQ(AnswerTimeHistogram::BucketEnd(AnswerTimeHistogram::kBuckets - 1), uint64_t{1} << 32);
    for (uint32_t v : {0u, 63u, 64u, 65u, 1000u, 99999u, 1u << 20, UINT32_MAX}) {
        const int b = AnswerTimeHistogram::BucketOf(v);
        ASSERT_LT(b, AnswerTimeHistogram::kBuckets);
        EXPECT_LE(AnswerTimeHistogram::BucketLow(b), v);
        EXPECT_GT(AnswerTimeHistogram::BucketEnd(b), v);
    }
}

TEST(AnswerTimeHistogram, PercentilesOfKnownDistributions) {
    AnswerTimeHistogram empty;
    EXPECT_EQ(empty.PercentileUs(95), 0u);
    EXPECT_EQ(empty.MinUs(), 0u);
    EXPECT_EQ(empty.MeanUs(), 0.0);

    // Uniform 1 .. 10000 us: the 95th percentile is 9500, the mean 5000.5.
    AnswerTimeHistogram uniform;
    for (uint32_t v = 1; v <= 10000; ++v)
        uniform.Add(v);
    ExpectWithinBucket(uniform.PercentileUs(95), 9500);
    ExpectWithinBucket(uniform.PercentileUs(50), 5000);
    EXPECT_DOUBLE_EQ(uniform.MeanUs(), 5000.5);
    EXPECT_EQ(uniform.MinUs(), 1u);
    EXPECT_EQ(uniform.MaxUs(), 10000u);

    // 95 fast answers and 5 slow ones: the 95th percentile is still a fast one, the 96th
    // a slow one; a percentile never leaves [min, max].
    AnswerTimeHistogram twoPeaks;
    for (int i = 0; i < 95; ++i)
        twoPeaks.Add(2000);
    for (int i = 0; i < 5; ++i)
        twoPeaks.Add(900000);
    ExpectWithinBucket(twoPeaks.PercentileUs(95), 2000);
    ExpectWithinBucket(twoPeaks.PercentileUs(96), 900000);
    EXPECT_EQ(twoPeaks.PercentileUs(100), 900000u);

    // A skewed random sample (exponential, mean 5 ms): every percentile within a bucket.
    std::mt19937 random(7);
    std::exponential_distribution<double> exponential(1.0 / 5000.0);
    AnswerTimeHistogram skewed;
    std::vector<uint32_t> sample;
    for (int i = 0; i < 20000; ++i) {
        const auto v = static_cast<uint32_t>(exponential(random));
        sample.push_back(v);
        skewed.Add(v);
    }
    std::sort(sample.begin(), sample.end());
    for (double p : {1.0, 50.0, 95.0, 99.9})
        ExpectWithinBucket(skewed.PercentileUs(p), NearestRank(sample, p));
    EXPECT_EQ(skewed.MaxUs(), sample.back());
}

TEST(LinkStatistics, ClassifiesEveryKindOfAnswer) {
    const std::vector<uint8_t> good{5, 4, 2, 0, 1};
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::None, good, 5, 5, 4), FrameOutcome::Answer);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::Timeout, {0, 0}, 0, 5, 4), FrameOutcome::Timeout);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::Crc, good, 5, 5, 4), FrameOutcome::Crc);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::InvalidTransaction, good, 5, 5, 4),
              FrameOutcome::InvalidTransaction);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::InvalidResponse, {5, 4, 2}, 3, 5, 4),
              FrameOutcome::InvalidLength);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::Exception, {5, 0x84, 2}, 3, 5, 4),
              FrameOutcome::Exception);
    // Answers that pass the transport's checks but are not this request's.
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::None, {6, 4, 2, 0, 1}, 5, 5, 4),
              FrameOutcome::WrongUnit);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::None, {5, 3, 2, 0, 1}, 5, 5, 4),
              FrameOutcome::WrongFunction);
    // Another unit's exception is a wrong unit, and an exception to another function a
    // wrong function, not the device's refusal.
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::Exception, {6, 0x84, 2}, 3, 5, 4),
              FrameOutcome::WrongUnit);
    EXPECT_EQ(ClassifyAnswer(ModbusFailure::Exception, {5, 0x90, 2}, 3, 5, 4),
              FrameOutcome::WrongFunction);
}

TEST(LinkStatistics, EveryOutcomeCountedOnceAndRetriesApart) {
    CLinkStatistics link(3, "TCP x");
    const FrameOutcome all[] = {
        FrameOutcome::Answer,        FrameOutcome::Exception,          FrameOutcome::Timeout,
        FrameOutcome::Crc,           FrameOutcome::InvalidLength,      FrameOutcome::WrongUnit,
        FrameOutcome::WrongFunction, FrameOutcome::InvalidTransaction, FrameOutcome::Cancelled};
    bool retry = false;
    for (FrameOutcome outcome : all) {
        link.CountRequest(8, retry);
        link.CountOutcome(outcome, 2, outcome == FrameOutcome::Timeout ? 0 : 7, 1000);
        retry = !retry;
    }
    link.CountOutcome(FrameOutcome::Exception, 11, 5, 3000);
    link.CountReceived(4);  // a late answer: bytes only

    const LinkSnapshot s = link.Snapshot();
    const LinkCounters& c = s.counters;
    EXPECT_EQ(s.id, 3);
    EXPECT_EQ(c.requests, 9u);
    EXPECT_EQ(c.retries, 4u);
    EXPECT_EQ(c.answers, 1u);
    EXPECT_EQ(c.exceptions, 2u);
    EXPECT_EQ(c.exceptionsByCode, (std::map<int, uint64_t>{{2, 1}, {11, 1}}));
    EXPECT_EQ(c.timeouts, 1u);
    EXPECT_EQ(c.crcErrors, 1u);
    EXPECT_EQ(c.invalid, 4u);
    EXPECT_EQ(c.cancelled, 1u);
    // Every outcome lands in exactly one counter.
    EXPECT_EQ(c.answers + c.exceptions + c.timeouts + c.crcErrors + c.invalid + c.cancelled,
              c.requests + 1);
    EXPECT_EQ(c.bytesSent, 72u);
    EXPECT_EQ(c.bytesReceived, 8u * 7 + 5 + 4);  // the time-out received nothing
    // Times of answers only: neither a time-out nor a cancelled wait has one.
    EXPECT_EQ(s.times.Count(), 8u);
    EXPECT_EQ(s.times.MaxUs(), 3000u);
}

FrameRecord Frame(FrameOutcome outcome) {
    FrameRecord frame;
    frame.direction = FrameDirection::Received;
    frame.outcome = outcome;
    return frame;
}

TEST(FrameLog, KeepsTheNewestFramesInOrder) {
    EXPECT_EQ(CFrameLog().Capacity(), 10000u);
    CFrameLog log(5);
    for (uint64_t sequence = 1; sequence <= 12; ++sequence) {
        FrameRecord frame;
        frame.sequence = sequence;
        log.Add(frame);
    }
    EXPECT_EQ(log.Size(), 5u);
    auto all = log.After(0, 100);
    ASSERT_EQ(all.size(), 5u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].sequence, 8 + i);
    auto newer = log.After(9, 2);
    ASSERT_EQ(newer.size(), 2u);
    EXPECT_EQ(newer[0].sequence, 10u);
    EXPECT_EQ(newer[1].sequence, 11u);
    EXPECT_TRUE(log.After(12, 10).empty());
}

struct Collector : IFrameListener {
    void OnFrame(const FrameRecord& frame) override { frames.push_back(frame); }
    std::vector<FrameRecord> frames;
};

TEST(LinkMonitor, LogFillsOnlyWhileSomeoneListens) {
    CLinkMonitor monitor;
    EXPECT_FALSE(monitor.Listening());
    monitor.Publish(Frame(FrameOutcome::Answer));
    EXPECT_TRUE(monitor.FramesAfter(0, 10).empty());

    Collector first, second;
    {
        CFrameSubscription a(&first, monitor);
        CFrameSubscription b(&second, monitor);
        EXPECT_TRUE(monitor.Listening());
        monitor.Publish(Frame(FrameOutcome::Timeout));
        monitor.Publish(Frame(FrameOutcome::Answer));
    }
    EXPECT_FALSE(monitor.Listening());
    monitor.Publish(Frame(FrameOutcome::Crc));
    ASSERT_EQ(first.frames.size(), 2u);
    EXPECT_EQ(second.frames.size(), 2u);
    EXPECT_EQ(first.frames[0].sequence, 1u);
    EXPECT_GT(first.frames[0].timeMs, 0);
    EXPECT_TRUE(IsErrorFrame(first.frames[0]));
    EXPECT_FALSE(IsErrorFrame(first.frames[1]));
    const auto kept = monitor.FramesAfter(0, 10);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1].sequence, 2u);
}

TEST(LinkMonitor, KeepsTheNewestConnections) {
    CLinkMonitor monitor;
    std::vector<std::shared_ptr<CLinkStatistics>> links;
    for (std::size_t i = 0; i < CLinkMonitor::kKeptLinks + 3; ++i)
        links.push_back(monitor.Register("link " + std::to_string(i)));
    links.back()->MarkClosed();
    const auto snapshots = monitor.Snapshots();
    ASSERT_EQ(snapshots.size(), CLinkMonitor::kKeptLinks);
    EXPECT_EQ(snapshots.front().id, 4);
    EXPECT_EQ(snapshots.back().id, static_cast<int>(CLinkMonitor::kKeptLinks) + 3);
    EXPECT_FALSE(snapshots.back().open);
    EXPECT_TRUE(snapshots.front().open);
}

}  // namespace
}  // namespace voltaro
