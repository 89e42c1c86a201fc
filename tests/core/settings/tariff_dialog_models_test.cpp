#include "core/settings/tariff_dialog_models.h"
#include "core/model/parameter_words.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;
using Model = CAdvancedDialogModel;

TEST(TariffDialogModel, NoteHiddenOnZbAndRadioStored) {
    ParameterImage zb = DefaultImageOfRow(RowWith(0, FAM_ZB));
    EXPECT_FALSE(CTariffDialogModel(zb).NoteVisible());
    ParameterImage meter = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2_G2));
    CTariffDialogModel model(meter);
    EXPECT_TRUE(model.NoteVisible());
    EXPECT_FALSE(model.Initial());
    model.Accept(true);
    EXPECT_EQ(meter.words[kWordTariff], 1);
    EXPECT_TRUE(model.Initial());
}

TEST(AdvancedDialogModel, MeterAcceptOrderAndLimits) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2_240));
    image.words[kWordFrequencyInput] = 3;
    image.words[LowEndCutoutCurrentWord(2)] = 55;
    Model model(image);
    EXPECT_TRUE(model.CurrentFieldsVisible());
    EXPECT_FALSE(model.Channel2Visible());
    EXPECT_EQ(model.FrequencyInputs().Size(), 4);
    EXPECT_TRUE(model.TariffFunctionEnabled());
    Model::Inputs in = model.Initial();
    EXPECT_EQ(in.frequencyInput, 3);
    EXPECT_EQ(in.voltageCutout, "1.0");
    in.voltageCutout = "100.0";
    EXPECT_EQ(MessageOf([&] { model.Accept(in); }), RangeMessage(15157, "0.0", "99.9"));
    in.voltageCutout = "99.9";
    in.currentCutout1 = "x";
    EXPECT_EQ(test::FailureOf([&] { model.Accept(in); }).field, Model::CurrentCutout1Field);
    EXPECT_EQ(image.words[kWordLowEndCutoutVoltage], 999) << "fields before the failure are stored";
    in.currentCutout1 = "0";
    in.currentCutout2 = "x";  // hidden: not read
    in.frequencyInput = 2;
    in.tariffEnabled = true;
    in.calculation = {true, false, true, false};
    model.Accept(in);
    EXPECT_EQ(image.words[kWordLowEndCutoutCurrent], 0);
    EXPECT_EQ(image.words[LowEndCutoutCurrentWord(2)], 55);
    EXPECT_EQ(image.words[kWordFrequencyInput], 2);
    EXPECT_EQ(image.words[kWordTariffFunction], 1);
    EXPECT_EQ(image.words[kWordCalculationOptionFirst], 1);
    EXPECT_EQ(image.words[kWordCalculationOptionFirst + 1], 0);
    EXPECT_EQ(image.words[kWordCalculationOptionFirst + 2], 1);

    ParameterImage plain = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6));
    EXPECT_EQ(Model(plain).FrequencyInputs().Size(), 2);
}

TEST(AdvancedDialogModel, TwoInputZbHasASecondChannelAndNoTariffFunction) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZB | FAM_ZB_INPUT));
    image.words[kWordTariffFunction] = 1;
    Model model(image);
    EXPECT_TRUE(model.Channel2Visible());
    EXPECT_FALSE(model.TariffFunctionEnabled());
    Model::Inputs in = model.Initial();
    in.currentCutout2 = "100";
    EXPECT_EQ(test::FailureOf([&] { model.Accept(in); }).field, Model::CurrentCutout2Field);
    in.currentCutout2 = "2.5";
    in.tariffEnabled = false;
    model.Accept(in);
    EXPECT_EQ(image.words[LowEndCutoutCurrentWord(2)], 25);
    EXPECT_EQ(image.words[kWordTariffFunction], 1);

    ParameterImage hkt2x = DefaultImageOfRow(RowWith(0, FAM_HKT2X));
    hkt2x.words[kWordTariffFunction] = 1;
    Model hModel(hkt2x);
    EXPECT_FALSE(hModel.TariffFunctionEnabled());
    Model::Inputs hIn = hModel.Initial();
    hIn.tariffEnabled = false;
    hModel.Accept(hIn);
    EXPECT_EQ(hkt2x.words[kWordTariffFunction], 1);
}

TEST(AdvancedDialogModel, ZcChannelGrid) {
    ParameterImage eight = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
    eight.words[kWordFrequencyInput] = 1;
    Model model8(eight);
    EXPECT_FALSE(model8.CurrentFieldsVisible());
    EXPECT_FALSE(model8.FrequencyInputEnabled());
    EXPECT_EQ(model8.ChannelCount(), 8);
    EXPECT_EQ(model8.GridColumnCount(), 2);
    EXPECT_EQ(model8.GridCellText(7, 0), LoadString(5507));
    EXPECT_EQ(model8.GridCellText(0, 1), "1.0");
    Model::Inputs in = model8.Initial();
    in.currentCutout1 = "junk";  // hidden on ZC
    model8.Accept(in);
    EXPECT_EQ(eight.words[kWordFrequencyInput], 0);

    ParameterImage sixteen = DefaultImageOfRow(RowWith(0, FAM_ZC | FAM_ZC_EXT));
    Model model(sixteen);
    EXPECT_EQ(model.ChannelCount(), 16);
    EXPECT_EQ(model.GridColumnCount(), 4);
    EXPECT_EQ(model.GridCellText(0, 2), LoadString(5508));
    EXPECT_EQ(model.GridEditorAt(0, 2), CellEditor::None);
    EXPECT_EQ(model.GridEditorAt(0, 3), CellEditor::Edit);
    model.CommitGridText(0, 1, "2.5");
    EXPECT_EQ(sixteen.words[kWordLowEndCutoutCurrent], 25);
    model.CommitGridText(1, 1, "3.5");
    EXPECT_EQ(sixteen.words[LowEndCutoutCurrentWord(2)], 35);
    model.CommitGridText(7, 3, "99.9");  // channel 16
    EXPECT_EQ(sixteen.words[LowEndCutoutCurrentWord(16)], 999);
    model.CommitGridText(2, 1, "0");  // channel 3
    EXPECT_EQ(sixteen.words[LowEndCutoutCurrentWord(3)], 0);
    EXPECT_EQ(MessageOf([&] { model.CommitGridText(7, 3, "100"); }),
              RangeMessage(15156, "0.0", "99.9"));
    EXPECT_EQ(sixteen.words[LowEndCutoutCurrentWord(16)], 999);

    // The window lays out GridLabels: one label beside each channel's value cell.
    const std::vector<CellBinding> labels = model.GridLabels();
    ASSERT_EQ(labels.size(), 16u);
    for (const CellBinding& label : labels) {
        EXPECT_EQ(model.GridCellText(label.row, label.column), LoadString(label.id));
        EXPECT_EQ(model.ChannelAt(label.row, label.column + 1),
                  model.ChannelAt(label.row, label.column));
        EXPECT_EQ(model.GridEditorAt(label.row, label.column + 1), CellEditor::Edit);
    }
    EXPECT_TRUE(Model(eight).GridLabels().size() == 8u);
    ParameterImage meter = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    EXPECT_TRUE(Model(meter).GridLabels().empty());
}

}  // namespace
}  // namespace voltaro
