#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "core/settings/bar_dialog_model.h"
#include "core/settings/display_dialog_model.h"
#include "core/settings/display_option_models.h"
#include "core/settings/display_sigma_dialog_model.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;

int FieldOf(CDisplayDialogModel& model, const CDisplayDialogModel::Inputs& in) {
    return test::FailureOf([&] { model.Accept(in); }).field;
}

TEST(DisplayDialogModel, OffTimerOnlyInAutoAndPresetTimerOnlyWhenUsed) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2_G2));
    image.words[kWordBacklightOffTimer] = 321;
    image.words[kWordDefaultTimer] = 0;
    CDisplayDialogModel model(image);
    CDisplayDialogModel::Inputs in = model.Initial();
    EXPECT_FALSE(in.usePresetTimer);
    EXPECT_EQ(in.presetTimer, "1");
    EXPECT_FALSE(CDisplayDialogModel::OffTimerEnabled(1));
    EXPECT_TRUE(CDisplayDialogModel::OffTimerEnabled(0));

    in.operationMode = 1;  // "On": the disabled field is neither checked nor stored
    in.offTimer = "0";
    in.presetTimer = "5000";  // unchecked: ignored
    model.Accept(in);
    EXPECT_EQ(image.words[kWordBacklightMode], 1);
    EXPECT_EQ(image.words[kWordBacklightOffTimer], 321);
    EXPECT_EQ(image.words[kWordDefaultTimer], 0);

    in.operationMode = 0;
    EXPECT_EQ(FieldOf(model, in), CDisplayDialogModel::OffTimerField);
    in.offTimer = "999";
    in.usePresetTimer = true;
    EXPECT_EQ(FieldOf(model, in), CDisplayDialogModel::PresetTimerField);
    in.presetTimer = "30";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordBacklightOffTimer], 999);
    EXPECT_EQ(image.words[kWordDefaultTimer], 30);
    EXPECT_TRUE(model.Initial().usePresetTimer);
    EXPECT_EQ(model.Initial().presetTimer, "30");
}

TEST(DisplayDialogModel, MyDefaultDataViewAcceptsMinusOneOnlyWhereAllowed) {
    // First-generation KT2: family KT2 without KT2_G2 -> 0 to 9999.
    ParameterImage old = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2, 0, FAM_KT2_G2));
    CDisplayDialogModel oldModel(old);
    CDisplayDialogModel::Inputs in = oldModel.Initial();
    in.myDefaultDataView = "-1";
    EXPECT_EQ(MessageOf([&] { oldModel.Accept(in); }), RangeMessage(15001, "0", "9999"));
    EXPECT_FALSE(oldModel.UpdateRateEnabled());

    ParameterImage g2 = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2 | FAM_KT2_G2));
    CDisplayDialogModel g2Model(g2);
    in = g2Model.Initial();
    in.myDefaultDataView = "-1";
    g2Model.Accept(in);
    EXPECT_EQ(g2.words[kWordDefaultDataView], 0xFFFF);
    EXPECT_EQ(g2Model.Initial().myDefaultDataView, "-1");

    ParameterImage kt6 = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6, 0, FAM_KT6_G2));
    EXPECT_EQ(CDisplayDialogModel(kt6).MyDefaultDataViewMin(), -1);
}

TEST(DisplayDialogModel, UpdateRateAndEnergyViewsWithTheExtendedDisplay) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6_G2));
    image.words[kWordEnergyDisplayView] = 312;
    image.words[kWordDefaultEnergyView] = 77;  // unknown code: kept, shown as a number
    CDisplayDialogModel model(image);
    const ChoiceList views = model.EnergyViews();
    ASSERT_EQ(views.Size(), 28);
    EXPECT_EQ(views.CodeAt(9), 210);
    EXPECT_EQ(views.CodeAt(13), 9);
    EXPECT_EQ(views.CodeAt(27), 19);
    CDisplayDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.energyView, views.IndexOfCode(312));
    const ChoiceList myViews = model.MyDefaultEnergyViews();
    ASSERT_EQ(myViews.Size(), 29);
    EXPECT_EQ(in.myDefaultEnergyView, 28);
    EXPECT_EQ(myViews.At(28).text, FormatMessageId(kTextUnlistedValue, {77}));
    EXPECT_TRUE(model.UpdateRateEnabled());
    in.updateRate = "61";
    EXPECT_EQ(FieldOf(model, in), CDisplayDialogModel::UpdateRateField);
    in.updateRate = "60";
    in.energyView = views.IndexOfCode(213);
    model.Accept(in);
    EXPECT_EQ(image.words[kWordUpdateRate], 60);
    EXPECT_EQ(image.words[kWordEnergyDisplayView], 213);
    EXPECT_EQ(image.words[kWordDefaultEnergyView], 77);

    ParameterImage plain = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6, 0, FAM_KT6_G2));
    plain.words[kWordUpdateRate] = 44;
    CDisplayDialogModel plainModel(plain);
    EXPECT_EQ(plainModel.EnergyViews().Size(), 20);
    in = plainModel.Initial();
    in.updateRate = "junk";  // disabled: not read
    in.energyView = 19;
    plainModel.Accept(in);
    EXPECT_EQ(plain.words[kWordUpdateRate], 44);
    EXPECT_EQ(plain.words[kWordEnergyDisplayView], 19);
}

TEST(BarDialogModel, FullScaleColumnRefusesNegativeValues) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6));
    CBarDialogModel model(image);
    EXPECT_EQ(MessageOf([&] { model.CommitText(2, CBarDialogModel::FullColumn, "-5"); }),
              RangeMessage(4002, "0", "2000000000"));
    model.CommitText(2, CBarDialogModel::ZeroColumn, "-5");
    EXPECT_EQ(static_cast<int32_t>(image.Get32(BarScaleWord(kBarScaleActivePower, true))), -5);
    EXPECT_EQ(model.CellText(2, CBarDialogModel::ZeroColumn),
              "-5 (" + LoadString(kTextUnitWatt) + ")");
    model.CommitText(5, CBarDialogModel::ZeroColumn, "-0.5");
    EXPECT_EQ(static_cast<int32_t>(image.Get32(BarScaleWord(kBarScalePowerFactor, true))), -5000);
    EXPECT_EQ(model.EditTextAt(0, CBarDialogModel::FullColumn), "5.000");
    EXPECT_EQ(MessageOf([&] { model.CommitText(6, CBarDialogModel::ZeroColumn, "44.99"); }),
              RangeMessage(4006, "45.00", "65.00"));
}

TEST(DisplaySigmaDialogModel, CodeListOfTheKt6FamilyWithTariffViews) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6 | FAM_KT6_G2, FEAT_3P4W | FEAT_V3));
    image.words[SigmaLineWord(3)] = 312;
    CDisplaySigmaDialogModel model(image);
    EXPECT_EQ(model.RowCount(), 24);
    const int n = model.MeasurandCount();
    EXPECT_EQ(n, 41);
    EXPECT_EQ(model.CellText(3, 1), LoadString(5312));
    EXPECT_EQ(model.ComboAt(3, 1).selected, n + 26);
    EXPECT_EQ(model.CodeToIndex(3, 100), n);
    EXPECT_EQ(model.CodeToIndex(3, 210), n + 20);
    EXPECT_EQ(model.CodeToIndex(3, 12), 11);  // code 11 is missing before it
    EXPECT_EQ(model.CodeToIndex(0, 100), -1) << "energy views only on the fourth line";
    model.CommitChoice(3, 1, n + 19);
    EXPECT_EQ(image.words[SigmaLineWord(3)], 119);
    EXPECT_EQ(model.CellText(3, 1), LoadString(3719));
    model.CommitChoice(20, 1, 11);
    EXPECT_EQ(image.words[SigmaLineWord(20)], 12);

    ParameterImage neutral =
        DefaultImageOfRow(RowWith(FEAT_DISPLAY | FEAT_3P4W, FAM_KT6 | FAM_KT6_G2));
    CDisplaySigmaDialogModel neutralModel(neutral);
    EXPECT_EQ(neutralModel.RowChoices(3).Size(), 43 + 20 + 8);
    EXPECT_EQ(neutralModel.CodeToIndex(3, 312), 43 + 26);
    ParameterImage plain = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6, 0, FAM_KT6_G2));
    EXPECT_EQ(CDisplaySigmaDialogModel(plain).RowChoices(3).Size(), 41 + 20);
}

TEST(DisplaySigmaDialogModel, OlderDisplaysEditThreeLinesOfFourScreens) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2_G2));
    CDisplaySigmaDialogModel model(image);
    EXPECT_EQ(model.RowCount(), 16);
    EXPECT_TRUE(model.RowApplies(0));
    EXPECT_FALSE(model.RowApplies(3));
    EXPECT_EQ(model.CellText(3, 1), "");
    EXPECT_EQ(model.EditorAt(3, 1), CellEditor::None);
    const ChoiceList line2 = model.RowChoices(1);
    ASSERT_EQ(line2.Size(), 4);
    model.CommitChoice(5, 1, 2);
    EXPECT_EQ(image.words[SigmaLineWord(5)], 4);  // "Q / Reactive power" stored as its code

    ParameterImage old = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2, 0, FAM_KT2_G2));
    EXPECT_FALSE(CDisplaySigmaDialogModel(old).RowApplies(0));
}

TEST(DisplayOptionModels, DisabledPairsKeepTheirWords) {
    ParameterImage kt6 = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6, 0, FAM_KT6_G2 | FAM_KT2));
    kt6.words[kWordLineIndication] = 1;
    kt6.words[kWordPowerFormat] = 1;
    CDisplayExpressionDialogModel model(kt6);
    EXPECT_FALSE(model.IndicationEnabled());
    EXPECT_FALSE(model.PowerFormatEnabled());
    model.Accept({false, false, false});
    EXPECT_EQ(kt6.words[kWordLineIndication], 1);
    EXPECT_EQ(kt6.words[kWordPowerFormat], 1);

    ParameterImage g2 = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2 | FAM_KT2_G2));
    CDisplayExpressionDialogModel g2Model(g2);
    g2Model.Accept({true, true, true});
    EXPECT_EQ(g2.words[kWordLineIndication], 1);
    EXPECT_EQ(g2.words[kWordPhaseDirection], 1);
    EXPECT_EQ(g2.words[kWordPowerFormat], 1);

    CShortCutMenuDialogModel shortCut(g2);
    EXPECT_TRUE(shortCut.Initial());  // default 1
    shortCut.Accept(false);
    EXPECT_EQ(g2.words[kWordClearAlarmShortcut], 0);
}

}  // namespace
}  // namespace voltaro
