#include "core/settings/analog_output_dialog_model.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;
using Model = CAnalogOutputDialogModel;

TEST(AnalogOutputDialogModel, ColumnsFollowTheOutputBits) {
    ParameterImage two = DefaultImageOfRow(RowWith(FEAT_AO1 | FEAT_AO2, 0, FEAT_AO3 | FEAT_AO4));
    Model model(two);
    EXPECT_EQ(model.OutputCount(), 2);
    const auto columns = model.Columns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].header, LoadString(3800));
    EXPECT_EQ(columns[1].header, LoadString(3801));
    EXPECT_EQ(columns[2].header, LoadString(3802));
    EXPECT_EQ(model.EditorAt(1, 3), CellEditor::None);
    EXPECT_EQ(model.EditorAt(1, 2), CellEditor::Edit);

    ParameterImage four = DefaultImageOfRow(RowWith(0xF0, 0));
    EXPECT_EQ(Model(four).OutputCount(), 4);
    ParameterImage none = DefaultImageOfRow(RowWith(0, 0, 0xF0));
    EXPECT_EQ(Model(none).OutputCount(), 0);
    EXPECT_EQ(Model(none).Columns().size(), 1u);
}

TEST(AnalogOutputDialogModel, AdjustSpanAndOutputLevels) {
    ParameterImage current = DefaultImageOfRow(RowWith(FEAT_AO_4_20MA | FEAT_AO2, 0));
    Model mA(current);
    mA.CommitText(2, 2, "100");
    EXPECT_EQ(current.words[AnalogOutputWord(1, kAoAdjustSpan)], 10000);
    EXPECT_EQ(MessageOf([&] { mA.CommitText(2, 1, "94.99"); }),
              RangeMessage(3852, "95.00", "105.00"));
    mA.CommitText(7, 1, "20");
    EXPECT_EQ(current.words[AnalogOutputWord(0, kAoOutputFull)], 2000);
    EXPECT_EQ(mA.CellText(7, 1), "20.00 (" + LoadString(kTextUnitMilliampere) + ")");
    EXPECT_EQ(MessageOf([&] { mA.CommitText(27, 1, "22.41"); }),
              RangeMessage(3877, "1.60", "22.40"));

    ParameterImage voltage = DefaultImageOfRow(RowWith(FEAT_AO_1_5V | FEAT_AO1, 0));
    Model v(voltage);
    v.CommitText(7, 1, "5.6");
    EXPECT_EQ(voltage.words[AnalogOutputWord(0, kAoOutputFull)], 5600);
    EXPECT_EQ(v.CellText(7, 1), "5.600 (" + LoadString(kTextUnitVolt) + ")");
    EXPECT_EQ(MessageOf([&] { v.CommitText(5, 1, "0.399"); }),
              RangeMessage(3855, "0.400", "5.600"));
    // Table points are not checked for increasing order; negative inputs show signed.
    v.CommitText(8, 1, "-15");
    v.CommitText(10, 1, "-15");
    EXPECT_EQ(v.CellText(8, 1), "-15.00 (" + LoadString(kTextUnitPercent) + ")");
}

TEST(AnalogOutputDialogModel, InputCodesConvertThroughTheActiveList) {
    ParameterImage standard =
        DefaultImageOfRow(RowWith(FEAT_AO1, 0, FEAT_3P4W | FEAT_V3, FAM_KT2_G2));
    Model model(standard);
    EXPECT_FALSE(model.ExtendedInputList());
    EXPECT_EQ(model.InputChoices().Size(), 40);
    standard.words[AnalogOutputWord(0, kAoInput)] = 44;
    ComboSetup combo = model.ComboAt(0, 1);
    EXPECT_EQ(combo.selected, 39);
    EXPECT_EQ(combo.minWidth, 220);
    standard.words[AnalogOutputWord(0, kAoInput)] = 11;  // the neutral current is not offered here
    combo = model.ComboAt(0, 1);
    ASSERT_EQ(combo.selected, 40);  // kept as what it is
    EXPECT_EQ(combo.texts[40], LoadString(3611));
    EXPECT_EQ(model.CellText(0, 1), LoadString(3611));
    model.CommitChoice(0, 1, 11);
    EXPECT_EQ(standard.words[AnalogOutputWord(0, kAoInput)], 12);

    ParameterImage extended = DefaultImageOfRow(RowWith(FEAT_AO1 | FEAT_3P4W, 0));
    Model ext(extended);
    EXPECT_EQ(ext.InputChoices().Size(), 42);
    ext.CommitChoice(0, 1, 11);
    EXPECT_EQ(extended.words[AnalogOutputWord(0, kAoInput)], 11);
    ext.CommitChoice(0, 1, 33);
    EXPECT_EQ(extended.words[AnalogOutputWord(0, kAoInput)], 33);

    // Linearizer: two entries, index stored.
    ext.CommitChoice(3, 1, 1);
    EXPECT_EQ(extended.words[AnalogOutputWord(0, kAoLinearizer)], 1);
    EXPECT_EQ(ext.CellText(3, 1), LoadString(3901));
    EXPECT_EQ(ext.ComboAt(3, 1).texts.size(), 2u);
}

}  // namespace
}  // namespace voltaro
