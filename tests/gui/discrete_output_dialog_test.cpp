// Discrete input and output dialogs: absent outputs disabled and kept, and the nested
// energy dialog working on the output dialog's copy.
#include "gui/dialogs/discrete_output_dialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/model/parameter_words.h"
#include "gui/dialogs/discrete_input_dialog.h"
#include "gui/dialogs/pulse_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

// A type with Do1 but without Do2.
ParameterImage OneOutputImage() {
    return DefaultImageOfRow(RowWith(FEAT_DO1, 0, FEAT_DO2));
}

TEST(DiscreteOutputDialog, AbsentOutputsAreDisabledAndKeepTheirWords) {
    ParameterImage image = OneOutputImage();
    image.words[DiscreteOutputFunctionWord(1)] = 2;
    image.words[DiscreteOutputContactWord(1)] = 1;
    CDiscreteOutputDialog dialog(image);
    const auto& present = CDiscreteOutputDialog::kOutputIds[0];
    const auto& absent = CDiscreteOutputDialog::kOutputIds[1];
    for (int id : {absent.function, absent.normalOpen, absent.normalClose, absent.group,
                   absent.functionLabel, absent.contactLabel, absent.energy}) {
        EXPECT_FALSE(FindControlAs<QWidget>(&dialog, id)->isEnabled()) << id;
    }
    EXPECT_TRUE(FindControlAs<QWidget>(&dialog, present.function)->isEnabled());
    EXPECT_TRUE(FindControlAs<QWidget>(&dialog, present.energy)->isEnabled());

    FindControlAs<QComboBox>(&dialog, present.function)->setCurrentIndex(2);
    FindControlAs<QRadioButton>(&dialog, present.normalClose)->setChecked(true);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(0)], 2);
    EXPECT_EQ(image.words[DiscreteOutputContactWord(0)], 1);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(1)], 2);
    EXPECT_EQ(image.words[DiscreteOutputContactWord(1)], 1);
}

TEST(DiscreteOutputDialog, EnergyButtonEditsOnlyTheOutputDialogsCopy) {
    ParameterImage image = OneOutputImage();
    image.Set32(PulseRateWord(0), 10);
    CDiscreteOutputDialog dialog(image);
    ShowActive(dialog);
    auto* energy = FindControlAs<QPushButton>(&dialog, CDiscreteOutputDialog::kOutputIds[0].energy);

    // Cancel of the nested dialog changes nothing.
    OnModal<CPulseDialog>([](CPulseDialog* pulse) {
        Child<QLineEdit>(pulse, CPulseDialog::kWeight)->setText(QStringLiteral("99"));
        pulse->reject();
    });
    QTest::mouseClick(energy, Qt::LeftButton);
    EXPECT_EQ(image.Get32(PulseRateWord(0)), 10u);

    OnModal<CPulseDialog>([](CPulseDialog* pulse) {
        Child<QLineEdit>(pulse, CPulseDialog::kWeight)->setText(QStringLiteral("2.5"));
        Child<QComboBox>(pulse, CPulseDialog::kDuration)->setCurrentIndex(19);
        EXPECT_TRUE(pulse->Accept());
    });
    QTest::mouseClick(energy, Qt::LeftButton);
    EXPECT_EQ(image.Get32(PulseRateWord(0)), 25u);
    EXPECT_EQ(image.words[PulseDurationWord(0)], 20);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PulseDialog, UnitFollowsTheEnergyCountAndRefusedWeightIsSelected) {
    ParameterImage image = DefaultImageOfRow(
        RowWith(FEAT_DO1, FAM_KT2, 0, FAM_KT2_G2 | FAM_KT6_G2 | FAM_HKT2 | FAM_HKT2X));
    CPulseDialog dialog(image, 0);
    ShowActive(dialog);
    auto* energy = Child<QComboBox>(&dialog, CPulseDialog::kEnergy);
    auto* unit = Child<QLabel>(&dialog, CPulseDialog::kUnit);
    energy->setCurrentIndex(2);
    EXPECT_EQ(unit->text(), Text(2202));
    energy->setCurrentIndex(0);
    EXPECT_EQ(unit->text(), Text(2200));

    auto* weight = Child<QLineEdit>(&dialog, CPulseDialog::kWeight);
    weight->setText(QStringLiteral("0.04"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(FocusedAndSelected(weight));
}

TEST(DiscreteInputDialog, FunctionAndContactRoundTrip) {
    ParameterImage image = OneOutputImage();
    image.words[kWordDiscreteInputFunction] = 1;
    CDiscreteInputDialog dialog(image);
    auto* function = Child<QComboBox>(&dialog, CDiscreteInputDialog::kFunction);
    EXPECT_EQ(function->count(), CDiscreteInputDialogModel(image).Functions().Size());
    EXPECT_EQ(function->currentIndex(), 1);
    function->setCurrentIndex(2);
    Child<QRadioButton>(&dialog, "contactSecond")->setChecked(true);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordDiscreteInputFunction], 2);
    EXPECT_EQ(image.words[kWordDiscreteInputContact], 1);
}

}  // namespace
}  // namespace voltaro
