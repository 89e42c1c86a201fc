#include "core/settings/alarm_dialog_model.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;
using Model = CAlarmDialogModel;

TEST(AlarmDialogModel, SetpointsAreScaledAndCheckedAgainstTheItemLimits) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    Model model(image);
    model.CommitText(0, Model::HighColumn, "12.5");
    EXPECT_EQ(image.Get32(AlarmHighWord(0)), 12500u);
    EXPECT_EQ(model.CellText(0, Model::HighColumn), "12.500 (" + LoadString(kTextUnitAmpere) + ")");
    EXPECT_EQ(model.EditTextAt(0, Model::HighColumn), "12.500");

    EXPECT_EQ(MessageOf([&] { model.CommitText(0, Model::HighColumn, "20001"); }),
              RangeMessage(15502, "0.000", "20000.000"));
    EXPECT_EQ(image.Get32(AlarmHighWord(0)), 12500u) << "a refused value stores nothing";

    // Power factor, row 7: -1 is the lowest value; the low setpoint has its own name.
    model.CommitText(7, Model::LowColumn, "-1");
    EXPECT_EQ(static_cast<int32_t>(image.Get32(AlarmLowWord(7))), -10000);
    EXPECT_EQ(MessageOf([&] { model.CommitText(7, Model::LowColumn, "-1.0001"); }),
              RangeMessage(15503, "-1.0000", "1.0000"));
    // The high setpoint is not compared with the low one.
    model.CommitText(7, Model::HighColumn, "-1");
    EXPECT_EQ(static_cast<int32_t>(image.Get32(AlarmHighWord(7))), -10000);
}

TEST(AlarmDialogModel, HysteresisAndDelayColumns) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    Model model(image);
    model.CommitText(4, Model::HysteresisColumn, "99.9");
    EXPECT_EQ(image.words[AlarmHysteresisWord(4)], 999);
    EXPECT_EQ(model.CellText(4, Model::HysteresisColumn),
              "99.9 (" + LoadString(kTextUnitPercent) + ")");
    EXPECT_EQ(MessageOf([&] { model.CommitText(4, Model::HysteresisColumn, "100"); }),
              RangeMessage(15505, "0.0", "99.9"));
    model.CommitText(4, Model::DelayColumn, "999");
    EXPECT_EQ(image.words[AlarmDelayWord(4)], 999);
    EXPECT_EQ(MessageOf([&] { model.CommitText(4, Model::DelayColumn, "1.5"); }),
              FormatMessageId(kMsgNotInteger, {LoadString(15506)}));
    EXPECT_EQ(MessageOf([&] { model.CommitText(4, Model::HysteresisColumn, ""); }),
              FormatMessageId(kMsgNotNumber, {LoadString(15505)}));
}

TEST(AlarmDialogModel, RowsWithoutTheFeatureAreGreyedAndNotEditable) {
    // A meter without the neutral current (neither 3P4W nor V3, family without KT2 bit).
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0, FEAT_3P4W | FEAT_V3, FAM_KT2));
    Model model(image);
    for (int row : {1, 10, 15}) {
        EXPECT_FALSE(model.RowApplies(row));
        EXPECT_EQ(model.CellText(row, Model::HighColumn), "");
        EXPECT_EQ(model.CellText(row, Model::NameColumn), LoadString(2300 + row));
        EXPECT_EQ(model.EditorAt(row, Model::HighColumn), CellEditor::None);
        const uint32_t before = image.Get32(AlarmHighWord(row));
        model.CommitText(row, Model::HighColumn, "1");
        EXPECT_EQ(image.Get32(AlarmHighWord(row)), before);
    }
    EXPECT_TRUE(model.RowApplies(0));
    EXPECT_EQ(model.EditorAt(0, Model::NameColumn), CellEditor::None);
    EXPECT_EQ(model.EditorAt(0, Model::OutputColumn), CellEditor::Combo);
}

TEST(AlarmDialogModel, OutputChoicesFollowTheDiscreteOutputsAndTheStoredIndex) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_DO2, 0, FEAT_DO3 | FEAT_DO4, FAM_HKT2 | FAM_HKT2X));
    Model model(image);
    EXPECT_EQ(model.OutputTextBase(), kTextsAlarmOutput);
    EXPECT_EQ(model.ComboAt(0, Model::OutputColumn).texts.size(), 4u);
    image.words[AlarmOutputWord(0)] = 5;
    ComboSetup combo = model.ComboAt(0, Model::OutputColumn);
    EXPECT_EQ(combo.texts.size(), 6u);
    EXPECT_EQ(combo.selected, 5);
    model.CommitChoice(0, Model::OutputColumn, 2);
    EXPECT_EQ(image.words[AlarmOutputWord(0)], 2);
    EXPECT_EQ(model.CellText(0, Model::OutputColumn), LoadString(2402));

    ParameterImage hkt2 = DefaultImageOfRow(RowWith(FEAT_DO1, FAM_HKT2, FEAT_DO2));
    Model comm(hkt2);
    EXPECT_EQ(comm.OutputTextBase(), kTextsAlarmOutputComm);
    EXPECT_EQ(comm.ComboAt(0, Model::OutputColumn).texts.size(), 3u);
}

TEST(AlarmDialogModel, AcceptStoresLatchingBeforeValidatingTheDelay) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    image.words[kWordAlarmPowerOnDelay] = 7;
    Model model(image);
    Model::Inputs in = model.Initial();
    EXPECT_EQ(in.powerOnDelay, "7");
    EXPECT_FALSE(in.latching);
    in.latching = true;
    in.powerOnDelay = "1000";
    const test::Failure failure = test::FailureOf([&] { model.Accept(in); });
    EXPECT_EQ(failure.field, Model::PowerOnDelayField);
    EXPECT_EQ(failure.message, RangeMessage(15500, "0", "999"));
    EXPECT_EQ(image.words[kWordAlarmLatching], 1);
    EXPECT_EQ(image.words[kWordAlarmPowerOnDelay], 7);
    in.powerOnDelay = "999";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordAlarmPowerOnDelay], 999);
}

}  // namespace
}  // namespace voltaro
