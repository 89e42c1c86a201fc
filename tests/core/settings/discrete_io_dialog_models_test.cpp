#include "core/settings/discrete_io_dialog_models.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/settings/pulse_dialog_model.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;

constexpr uint32_t kExtendedFamilies = FAM_KT2_G2 | FAM_KT6_G2 | FAM_HKT2 | FAM_HKT2X;

TEST(DiscreteInputDialogModel, FunctionCountFollowsTheExtendedSet) {
    ParameterImage plain = DefaultImageOfRow(RowWith(FEAT_DI1, 0, 0, kExtendedFamilies));
    CDiscreteInputDialogModel model(plain);
    EXPECT_EQ(model.Functions().Size(), 3);
    plain.words[kWordDiscreteInputFunction] = 4;  // a function of the extended set only
    EXPECT_EQ(model.Initial().function, 3);
    EXPECT_EQ(model.Functions().At(3).text, LoadString(1704));
    model.Accept(model.Initial());
    EXPECT_EQ(plain.words[kWordDiscreteInputFunction], 4) << "the shown function is kept";

    ParameterImage extended = DefaultImageOfRow(RowWith(FEAT_DI1, FAM_KT6_G2));
    CDiscreteInputDialogModel ext(extended);
    EXPECT_EQ(ext.Functions().Size(), 5);
    EXPECT_EQ(ext.Functions().At(4).text, LoadString(1704));
    ext.Accept({4, true});
    EXPECT_EQ(extended.words[kWordDiscreteInputFunction], 4);
    EXPECT_EQ(extended.words[kWordDiscreteInputContact], 1);
}

TEST(DiscreteOutputDialogModel, AbsentOutputsKeepTheirWords) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO1 | FEAT_DO2, 0, FEAT_DO3 | FEAT_DO4));
    image.words[DiscreteOutputFunctionWord(2)] = 2;
    image.words[DiscreteOutputContactWord(2)] = 1;
    image.words[DiscreteOutputFunctionWord(3)] = 7;
    CDiscreteOutputDialogModel model(image);
    EXPECT_TRUE(model.Present(1));
    EXPECT_FALSE(model.Present(2));
    CDiscreteOutputDialogModel::Inputs in = model.Initial();
    in[0] = {1, true};
    in[1] = {2, false};
    in[2] = {0, false};
    in[3] = {0, false};
    model.Accept(in);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(0)], 1);
    EXPECT_EQ(image.words[DiscreteOutputContactWord(0)], 1);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(1)], 2);
    EXPECT_EQ(image.words[DiscreteOutputContactWord(1)], 0);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(2)], 2);
    EXPECT_EQ(image.words[DiscreteOutputContactWord(2)], 1);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(3)], 7);
}

TEST(PulseDialogModel, WeightAndDuration) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO2, 0));
    CPulseDialogModel model(image, 1);
    CPulseDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.weight, "1.0");  // default 10 tenths
    EXPECT_EQ(in.duration, 0);    // default code 1
    in.weight = "0.06";
    in.duration = 19;
    model.Accept(in);
    EXPECT_EQ(image.Get32(PulseRateWord(1)), 1u);
    EXPECT_EQ(image.words[PulseDurationWord(1)], 20);
    EXPECT_EQ(CPulseDialogModel::DurationChoices().At(19).text, "2000");

    in.weight = "0.04";
    const test::Failure failure = test::FailureOf([&] { model.Accept(in); });
    EXPECT_EQ(failure.field, CPulseDialogModel::PulseWeightField);
    EXPECT_EQ(failure.message, RangeMessage(15451, "0.1", "10000.0"));
    in.weight = "10000";
    model.Accept(in);
    EXPECT_EQ(image.Get32(PulseRateWord(1)), 100000u);
}

TEST(PulseDialogModel, PlainEnergyListStoresTheIndex) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO1, 0, 0, kExtendedFamilies));
    image.words[PulseEnergyWord(0)] = 2;
    CPulseDialogModel model(image, 0);
    ASSERT_EQ(model.EnergyChoices().Size(), 9);
    CPulseDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.energy, 2);
    EXPECT_EQ(model.UnitText(2), LoadString(2202));
    EXPECT_EQ(model.UnitText(3), LoadString(2200));
    EXPECT_EQ(model.UnitText(8), LoadString(2201));
    in.energy = 8;
    model.Accept(in);
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 8);
}

TEST(PulseDialogModel, ExtendedEnergyListStoresCodesAndUnitsFollowTheCode) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO1, FAM_KT2_G2));
    image.words[PulseEnergyWord(0)] = 313;
    CPulseDialogModel model(image, 0);
    const ChoiceList list = model.EnergyChoices();
    ASSERT_EQ(list.Size(), 36);
    EXPECT_EQ(list.At(0).text, LoadString(kTextsEnergyExtended));
    CPulseDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(list.CodeAt(in.energy), 313);
    // Unit by energy quantity, not by list position.
    EXPECT_EQ(model.UnitText(list.IndexOfCode(13)), LoadString(2201));   // reactive in+out
    EXPECT_EQ(model.UnitText(list.IndexOfCode(200)), LoadString(2200));  // active in, peak
    EXPECT_EQ(model.UnitText(list.IndexOfCode(302)), LoadString(2202));  // apparent, off peak
    EXPECT_EQ(model.UnitText(list.IndexOfCode(203)), LoadString(2200));  // active out, peak
    EXPECT_EQ(model.UnitText(list.IndexOfCode(211)), LoadString(2201));  // reactive out, peak
    EXPECT_EQ(PulseUnitTextId(312), 2200);                               // active in-out
    in.energy = list.IndexOfCode(208);
    model.Accept(in);
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 208);

    image.words[PulseEnergyWord(0)] = 9;  // not a pulse energy: kept, not the first entry
    EXPECT_EQ(model.EnergyChoices().CodeAt(model.Initial().energy), 9);
    model.Accept(model.Initial());
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 9);
}

}  // namespace
}  // namespace voltaro
