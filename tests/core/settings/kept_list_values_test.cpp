// A stored value that a combo's list does not offer stays in the image and is shown as what
// it is, in every setting dialog that binds a list to an image word: reading the dialog back
// unchanged must not change the word.
#include "core/model/parameter_check.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "core/settings/alarm_dialog_model.h"
#include "core/settings/discrete_io_dialog_models.h"
#include "core/settings/display_dialog_model.h"
#include "core/settings/display_sigma_dialog_model.h"
#include "core/settings/modbus_dialog_models.h"
#include "core/settings/pulse_dialog_model.h"
#include "core/settings/tariff_dialog_models.h"
#include "settings_test_support.h"

namespace voltaro {
namespace {

using test::RowWith;

std::string Unlisted(int value) {
    return FormatMessageId(kTextUnlistedValue, {value});
}

TEST(KeptListValues, BindingAddsOneEntryOnlyForACodeTheListLacks) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2));
    const ChoiceList keyLocks = ChoiceList::FromStrings(3, 2650);
    image.words[kWordDisplayOperationMode] = 2;
    EXPECT_EQ(BoundChoices(keyLocks, image, kWordDisplayOperationMode).Size(), 3);

    image.words[kWordDisplayOperationMode] = 77;
    const ChoiceList bound = BoundChoices(keyLocks, image, kWordDisplayOperationMode);
    ASSERT_EQ(bound.Size(), 4);
    EXPECT_EQ(bound.CodeAt(3), 77);
    EXPECT_EQ(bound.At(3).text, Unlisted(77));
    EXPECT_EQ(bound.At(0).text, keyLocks.At(0).text);
}

TEST(KeptListValues, AValueTheDefinitionsKnowShowsItsOwnText) {
    // A ZC type offers four wiring systems, while its devices hold the four-wire system 5.
    const ParameterImage zc = DefaultImageOfRow(RowWith(0, FAM_ZC));
    EXPECT_EQ(StoredValueText(zc.deviceType, kWordSystem, 5), LoadString(1605));
    EXPECT_EQ(StoredValueText(zc.deviceType, kWordSystem, 9), Unlisted(9));
    // An extended energy code takes the extended list's text where the display offers it.
    const ParameterImage g2 = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6_G2));
    EXPECT_EQ(StoredValueText(g2.deviceType, kWordEnergyDisplayView, 311),
              LoadString(kTextsEnergyExtended + 311));
}

TEST(KeptListValues, FormDialogsKeepUnlistedValuesThroughAnUnchangedOk) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY | FEAT_DI1, FAM_KT2_240));
    image.words[kWordDisplayOperationMode] = 77;
    image.words[kWordEnergyDisplayUnit] = 5;
    image.words[kWordTransferRate] = 9;
    image.words[kWordParity] = 8;
    image.words[kWordDiscreteInputFunction] = 40;
    image.words[kWordFrequencyInput] = 6;
    image.words[DiscreteOutputFunctionWord(0)] = 7;
    const ParameterImage before = image;

    CDisplayDialogModel display(image);
    const CDisplayDialogModel::Inputs shown = display.Initial();
    EXPECT_EQ(display.KeyLocks().At(shown.keyLock).text, Unlisted(77));
    display.Accept(shown);
    CModbusDialogModel modbus(image);
    const CModbusDialogModel::Inputs modbusShown = modbus.Initial();
    EXPECT_EQ(modbus.Rates().CodeAt(modbusShown.rate), 9);  // not the last rate
    modbus.Accept(modbusShown);
    CDiscreteInputDialogModel input(image);
    input.Accept(input.Initial());
    CAdvancedDialogModel advanced(image);
    advanced.Accept(advanced.Initial());
    CDiscreteOutputDialogModel outputs(image);
    ASSERT_TRUE(outputs.Present(0));
    EXPECT_EQ(outputs.Functions(0).CodeAt(outputs.Initial()[0].function), 7);
    outputs.Accept(outputs.Initial());
    EXPECT_EQ(image.words, before.words);

    // Picking a listed entry replaces the kept value.
    CDisplayDialogModel::Inputs picked = display.Initial();
    picked.keyLock = 1;
    display.Accept(picked);
    EXPECT_EQ(image.words[kWordDisplayOperationMode], 1);
    EXPECT_EQ(display.KeyLocks().Size(), 3);
}

TEST(KeptListValues, PulseEnergyCountIsKeptInsteadOfTheFirstEntry) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO1, FAM_KT6_G2));
    image.words[PulseEnergyWord(0)] = 250;  // no energy count of the extended list
    CPulseDialogModel model(image, 0);
    const CPulseDialogModel::Inputs shown = model.Initial();
    EXPECT_EQ(model.EnergyChoices().At(shown.energy).text, Unlisted(250));
    model.Accept(shown);
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 250);
}

TEST(KeptListValues, DialogsAndReportNameTheExtendedEnergyCodesAlike) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6_G2));
    image.words[kWordEnergyDisplayView] = 211;
    image.words[SigmaLineWord(7)] = 312;
    CDisplayDialogModel display(image);
    EXPECT_EQ(display.EnergyViews().At(display.Initial().energyView).text,
              image.ValueText(kWordEnergyDisplayView));
    CDisplaySigmaDialogModel sigma(image);
    EXPECT_EQ(sigma.CellText(7, CDisplaySigmaDialogModel::ValueColumn),
              image.ValueText(SigmaLineWord(7)));
    EXPECT_EQ(image.ValueText(SigmaLineWord(7)), LoadString(kTextsEnergyExtended + 312));
}

TEST(KeptListValues, CellCombosSelectTheKeptEntry) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT6_G2));
    const int sigmaRow = 3;  // the fourth line of Sigma1 offers the energy counts
    image.words[SigmaLineWord(sigmaRow)] = 99;
    CDisplaySigmaDialogModel sigma(image);
    const ComboSetup sigmaCombo = sigma.ComboAt(sigmaRow, CDisplaySigmaDialogModel::ValueColumn);
    ASSERT_GE(sigmaCombo.selected, 0);
    EXPECT_EQ(sigmaCombo.texts[static_cast<std::size_t>(sigmaCombo.selected)], Unlisted(99));
    EXPECT_EQ(sigma.CellText(sigmaRow, CDisplaySigmaDialogModel::ValueColumn), Unlisted(99));
    sigma.CommitChoice(sigmaRow, CDisplaySigmaDialogModel::ValueColumn, sigmaCombo.selected);
    EXPECT_EQ(image.words[SigmaLineWord(sigmaRow)], 99);

    image.words[AlarmOutputWord(0)] = 30;
    CAlarmDialogModel alarm(image);
    const ComboSetup alarmCombo = alarm.ComboAt(0, CAlarmDialogModel::OutputColumn);
    ASSERT_GE(alarmCombo.selected, 0);
    EXPECT_EQ(alarmCombo.texts[static_cast<std::size_t>(alarmCombo.selected)], Unlisted(30));
    alarm.CommitChoice(0, CAlarmDialogModel::OutputColumn, alarmCombo.selected);
    EXPECT_EQ(image.words[AlarmOutputWord(0)], 30);
}

}  // namespace
}  // namespace voltaro
