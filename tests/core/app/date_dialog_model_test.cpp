// The date dialog's decisions: the fields of the opening read, the focus moving on, and
// what a tick shows and enables from the latest periodic read.
#include "core/app/date_dialog_model.h"

#include <gtest/gtest.h>

#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

TEST(DateDialogModel, FocusMovesOnWhenAFieldIsFull) {
    EXPECT_EQ(CDateDialogModel::NextField(kFieldYear, 3), -1);
    EXPECT_EQ(CDateDialogModel::NextField(kFieldYear, 4), kFieldMonth);
    EXPECT_EQ(CDateDialogModel::NextField(kFieldMonth, 1), -1);
    EXPECT_EQ(CDateDialogModel::NextField(kFieldMinute, 2), kFieldSecond);
    EXPECT_EQ(CDateDialogModel::NextField(kFieldSecond, 2), -1);  // the last one stays
}

TEST(DateDialogModel, TicksShowNothingUntilAReadAndPostOnlyAfterACompletion) {
    CDateDialogModel model({0x2512, 0x0309, 0x4530});
    EXPECT_EQ(model.Fields()[kFieldYear], "2025");
    DateTickView view = model.Tick({2026, 1, 2, 3, 4, 5});
    EXPECT_EQ(view.pcText, "2026/01/02 03:04:05");
    EXPECT_EQ(view.deviceText, "");  // no read has succeeded yet
    EXPECT_FALSE(view.buttonsEnabled);
    EXPECT_FALSE(view.postRead);
    EXPECT_FALSE(model.ReadCompleted());
    EXPECT_TRUE(model.Tick({}).postRead);
    EXPECT_FALSE(model.Tick({}).postRead);  // one read in flight at a time
    // Close waits for the completion of the read in flight.
    model.Close();
    EXPECT_TRUE(model.ReadCompleted());
}

}  // namespace
}  // namespace voltaro
