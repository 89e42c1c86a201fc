// Device communication dialogs: the transducer variant of the serial dialog, the nested
// advanced dialog, the Ethernet dialog's fields and the CC-Link dialog.
#include "gui/dialogs/modbus_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/model/parameter_words.h"
#include "core/platform/ui_text_ids.h"
#include "gui/controls/ip_address_ctrl_ext.h"
#include "gui/dialogs/advanced_modbus_dialog.h"
#include "gui/dialogs/cc_link_dialog.h"
#include "gui/dialogs/modbus2_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

TEST(ModbusDialog, TransducerSetsModeAndRunLedInsteadOfAddressAndRate) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZB));
    image.words[kWordDeviceAddress] = 17;
    image.words[kWordModbusMode] = 1;
    CModbusDialog dialog(image);
    for (const char* name :
         {CModbusDialog::kAddress, CModbusDialog::kAddressLabel, CModbusDialog::kRate,
          CModbusDialog::kRateLabel, CModbusDialog::kAdvanced}) {
        EXPECT_FALSE(Child<QWidget>(&dialog, name)->isEnabled()) << name;
    }
    for (const char* name : {CModbusDialog::kRunLed, CModbusDialog::kRunLedLabel,
                             CModbusDialog::kModeLabel, "modeFirst"}) {
        EXPECT_TRUE(Child<QWidget>(&dialog, name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "modeSecond")->isChecked());
    Child<QLineEdit>(&dialog, CModbusDialog::kAddress)->setText(QStringLiteral("junk"));
    Child<QRadioButton>(&dialog, "modeFirst")->setChecked(true);
    Child<QLineEdit>(&dialog, CModbusDialog::kRunLed)->setText(QStringLiteral("2.5"));
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordDeviceAddress], 17);
    EXPECT_EQ(image.words[kWordModbusMode], 0);
    EXPECT_EQ(image.words[kWordRunLedTimeout], 25);
}

TEST(ModbusDialog, SerialMeterDisablesModeAndRefusesABadAddress) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_MODBUS, 0, FEAT_MODBUS_TCP, FAM_ZB | FAM_ZC));
    image.words[kWordTransferRate] = 7;
    CModbusDialog dialog(image);
    ShowActive(dialog);
    EXPECT_FALSE(Child<QWidget>(&dialog, CModbusDialog::kRunLed)->isEnabled());
    EXPECT_FALSE(Child<QWidget>(&dialog, "modeSecond")->isEnabled());
    // A rate beyond the list is kept as an entry of its own, not shown as the last rate.
    EXPECT_EQ(Child<QComboBox>(&dialog, CModbusDialog::kRate)->currentIndex(), 6);
    auto* address = Child<QLineEdit>(&dialog, CModbusDialog::kAddress);
    address->setText(QStringLiteral("248"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(FocusedAndSelected(address));
}

TEST(ModbusDialog, AdvancedEditsOnlyTheModbusDialogsCopy) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_MODBUS, 0, FEAT_MODBUS_TCP, FAM_ZB | FAM_ZC));
    image.words[kWordT15] = 15;
    image.words[kWordT35] = 35;
    CModbusDialog dialog(image);
    ShowActive(dialog);
    MessageBoxRecorder boxes;
    OnModal<CAdvancedModbusDialog>([](CAdvancedModbusDialog* advanced) {
        EXPECT_EQ(Child<QLabel>(advanced, CAdvancedModbusDialog::kWarning)
                      ->palette()
                      .color(QPalette::WindowText),
                  QColor(255, 0, 0));
        Child<QLineEdit>(advanced, CAdvancedModbusDialog::kT15)->setText(QStringLiteral("2.0"));
        auto* t35 = Child<QLineEdit>(advanced, CAdvancedModbusDialog::kT35);
        t35->setText(QStringLiteral("2.0"));
        EXPECT_FALSE(advanced->Accept());
        EXPECT_TRUE(FocusedAndSelected(t35));
        t35->setText(QStringLiteral("4.5"));
        Child<QRadioButton>(advanced, "longRegisterSecond")->setChecked(true);
        EXPECT_TRUE(advanced->Accept());
    });
    QTest::mouseClick(Child<QPushButton>(&dialog, CModbusDialog::kAdvanced), Qt::LeftButton);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(image.words[kWordT15], 20);
    EXPECT_EQ(image.words[kWordT35], 45);
    EXPECT_EQ(image.words[kWordLongRegister], 1);
}

TEST(Modbus2Dialog, AddressesAndPortAreReadBack) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_MODBUS_TCP, 0));
    image.words[kWordPort] = 502;
    CModbus2Dialog dialog(image);
    ShowActive(dialog);
    auto* port = Child<QComboBox>(&dialog, CModbus2Dialog::kPort);
    EXPECT_TRUE(port->isEditable());
    EXPECT_EQ(port->count(), 1);
    EXPECT_EQ(port->currentText(), QStringLiteral("502"));
    Child<CIPAddressCtrlExt>(&dialog, CModbus2Dialog::kAddress)->SetAddress({10, 1, 2, 3});
    port->setEditText(QStringLiteral("70000"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(FocusedAndSelected(port->lineEdit()));
    EXPECT_EQ(port->lineEdit()->selectedText(), QStringLiteral("70000"));

    port->setEditText(QStringLiteral("0x1F7"));
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordIpAddress], 0x0A01);
    EXPECT_EQ(image.words[kWordIpAddress + 1], 0x0203);
    EXPECT_EQ(image.words[kWordPort], 503);
}

TEST(Modbus2Dialog, FieldsKeepTheirWidthAndUnitsSitBesideThem) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_MODBUS_TCP, 0));
    CModbus2Dialog dialog(image);
    ShowActive(dialog);
    auto* address = Child<CIPAddressCtrlExt>(&dialog, CModbus2Dialog::kAddress);
    auto* port = Child<QComboBox>(&dialog, CModbus2Dialog::kPort);
    const int addressWidth = address->width();
    const int portWidth = port->width();
    dialog.resize(dialog.width() + 600, dialog.height());
    QApplication::processEvents();
    EXPECT_EQ(address->width(), addressWidth);
    EXPECT_EQ(port->width(), portWidth);
    EXPECT_LT(address->width(), dialog.width() / 2);
    // Every octet shows "255" whole.
    for (int i = 0; i < 4; ++i) {
        QLineEdit* octet = address->Field(i);
        EXPECT_GE(octet->width(),
                  octet->fontMetrics().horizontalAdvance(QStringLiteral("255")) + 4);
    }
    for (const char* name : {CModbus2Dialog::kConnectionTimeout, CModbus2Dialog::kRunLed}) {
        auto* field = Child<QLineEdit>(&dialog, name);
        QLabel* unit = nullptr;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text() == Text(kTextModbus2Sec) &&
                label->y() <= field->geometry().center().y() &&
                label->geometry().bottom() >= field->geometry().center().y())
                unit = label;
        }
        ASSERT_NE(unit, nullptr) << name;
        const int gap = unit->x() - (field->x() + field->width());
        EXPECT_GE(gap, 0) << name;
        EXPECT_LE(gap, 12) << name;
    }
}

TEST(CCLinkDialog, NodeAndRateRoundTrip) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_CCLINK, 0));
    image.words[kWordCcLinkRate] = 9;
    CCCLinkDialog dialog(image);
    auto* rate = Child<QComboBox>(&dialog, CCCLinkDialog::kRate);
    EXPECT_EQ(rate->currentIndex(), 5);  // the stored rate, kept beyond the list
    Child<QLineEdit>(&dialog, CCCLinkDialog::kNode)->setText(QStringLiteral("64"));
    rate->setCurrentIndex(1);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordCcLinkNode], 64);
    EXPECT_EQ(image.words[kWordCcLinkRate], 1);
}

}  // namespace
}  // namespace voltaro
