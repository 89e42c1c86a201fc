// The ZC loop test dialog's decisions: when its poll reads and when it only pauses, which
// completions it shows, when values may be typed, and closing after the poll in flight.
#include "core/app/loop_test_zc_model.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

// A poll that read values; item 0 (the first voltage) carries marker.
ZcLoopPoll ReadPoll(const ZcLoopPoll& asked, int32_t marker) {
    ZcLoopPoll done = asked;
    ZcItem(done.values, 0) = marker;
    return done;
}

TEST(LoopTestZcModel, PollReadsInNormalModeAndInLoopTestOnlyWhenAsked) {
    CLoopTestZcModel normal(8, false);
    for (int i = 0; i < 3; ++i) {
        const ZcLoopPoll poll = normal.NextPoll();
        EXPECT_TRUE(poll.read);
        EXPECT_TRUE(normal.OnPollDone(ReadPoll(poll, i)).requeue);
    }
    // Already in loop-test mode: the first read shows what the device reports, then the
    // poll pauses so that typed values are not overwritten.
    CLoopTestZcModel testing(16, true);
    ZcLoopPoll first = testing.NextPoll();
    EXPECT_TRUE(first.read);
    EXPECT_FALSE(testing.Editable(0));  // nothing read yet
    EXPECT_TRUE(testing.OnPollDone(ReadPoll(first, 23000)).showValues);
    EXPECT_EQ(testing.ValueText(0), "230.00");
    EXPECT_TRUE(testing.Editable(0));
    EXPECT_TRUE(testing.Editable(28));
    const ZcLoopPoll pause = testing.NextPoll();
    EXPECT_FALSE(pause.read);
    const ZcLoopPollUpdate update = testing.OnPollDone(pause);
    EXPECT_FALSE(update.showValues);
    EXPECT_TRUE(update.requeue);
    // Another channel: its flag decides, and its values are read once.
    testing.SelectChannel(3, true);
    EXPECT_FALSE(testing.Editable(0));
    const ZcLoopPoll refresh = testing.NextPoll();
    EXPECT_TRUE(refresh.read);
    EXPECT_EQ(refresh.channel, 3);
    EXPECT_FALSE(testing.NextPoll().read);
    testing.SelectChannel(16, false);  // no such channel: ignored
    EXPECT_EQ(testing.Channel(), 3);
    EXPECT_TRUE(testing.LoopTest());
}

TEST(LoopTestZcModel, StaleAndFailedPollsShowNothingAndTheChannelIsReadAgain) {
    CLoopTestZcModel model(8, true);
    model.OnPollDone(ReadPoll(model.NextPoll(), 1));
    // A read for channel 1 completes after channel 2 was selected: dropped, and channel
    // 2 is still read.
    model.SelectChannel(0, false);
    const ZcLoopPoll before = model.NextPoll();
    model.SelectChannel(1, true);
    EXPECT_FALSE(model.OnPollDone(ReadPoll(before, 2)).showValues);
    EXPECT_EQ(ZcItem(model.Values(), 0), 1);
    EXPECT_FALSE(model.Editable(8));
    EXPECT_EQ(model.ValueText(0), "");  // channel 1's values are not shown as channel 2's
    // The read for channel 2 fails: the error shows and the read is repeated.
    ZcLoopPoll failed = model.NextPoll();
    ASSERT_TRUE(failed.read);
    EXPECT_EQ(failed.channel, 1);
    failed.failed = true;
    EXPECT_FALSE(model.OnPollDone(failed).showValues);
    EXPECT_TRUE(model.Error());
    const ZcLoopPoll again = model.NextPoll();
    ASSERT_TRUE(again.read);
    EXPECT_TRUE(model.OnPollDone(ReadPoll(again, 3)).showValues);
    EXPECT_FALSE(model.Error());
    EXPECT_EQ(ZcItem(model.Values(), 0), 3);
    EXPECT_TRUE(model.Editable(8));
}

TEST(LoopTestZcModel, ClosingWaitsForThePollInFlight) {
    CLoopTestZcModel model(8, false);
    model.PollPosted(true);
    EXPECT_FALSE(model.RequestClose());
    const ZcLoopPollUpdate update = model.OnPollDone(ReadPoll(model.NextPoll(), 5));
    EXPECT_TRUE(update.close);
    EXPECT_FALSE(update.requeue);
    EXPECT_FALSE(update.showValues);

    CLoopTestZcModel idle(8, false);
    idle.PollPosted(false);  // the executor refused the poll
    EXPECT_TRUE(idle.RequestClose());
}

TEST(LoopTestZcModel, ListsTheChannelsAndNamesTheItemsByKind) {
    const std::vector<std::string> labels = CLoopTestZcModel(16, false).ChannelLabels();
    ASSERT_EQ(labels.size(), 16u);
    EXPECT_EQ(labels.front(), "1ch");
    EXPECT_EQ(labels.back(), "16ch");
    EXPECT_EQ(CLoopTestZcModel(0, false).ChannelLabels().size(), 1u);
    EXPECT_EQ(CLoopTestZcModel::ItemName(7), "7 Frequency");
    EXPECT_EQ(CLoopTestZcModel::ItemName(11), "11 N. current");
    EXPECT_EQ(CLoopTestZcModel::ItemName(28), "28 Power factor");
    CLoopTestZcModel model(8, false);
    ZcLoopPoll poll = model.NextPoll();
    ZcItem(poll.values, 28) = -5000;
    ZcItem(poll.values, 11) = 1234;
    model.OnPollDone(poll);
    EXPECT_EQ(model.ValueText(28), "-0.5000");
    EXPECT_EQ(model.ValueText(11), "1.234");
    EXPECT_FALSE(model.Editable(0));  // Normal mode
}

}  // namespace
}  // namespace voltaro
