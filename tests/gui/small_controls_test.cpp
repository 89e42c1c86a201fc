// The status lamp, the list with cell tooltips and the IP address fields.
#include <gtest/gtest.h>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "gui/controls/ip_address_ctrl_ext.h"
#include "gui/controls/led_indicator.h"
#include "gui/controls/list_ctrl_info_tip.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

TEST(LedIndicator, CircleIsAsLargeAsTheShorterSideAndCentred) {
    EXPECT_EQ(CLedIndicator::CircleRect(QSize(40, 20)), QRect(10, 0, 20, 20));
    EXPECT_EQ(CLedIndicator::CircleRect(QSize(20, 41)), QRect(0, 10, 20, 20));
    EXPECT_EQ(CLedIndicator::CircleRect(QSize(16, 16)), QRect(0, 0, 16, 16));
}

TEST(LedIndicator, PaintsTheColourInsideAndButtonFaceOutside) {
    CLedIndicator led;
    led.resize(40, 20);
    led.SetColorRef(0x6464FF);  // 0x00BBGGRR: red 0xFF
    EXPECT_EQ(led.Color(), QColor(0xFF, 0x64, 0x64));
    const QImage image = led.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 10), QColor(0xFF, 0x64, 0x64));
    EXPECT_EQ(image.pixelColor(2, 10), led.palette().color(QPalette::Button));
    EXPECT_EQ(image.pixelColor(37, 10), led.palette().color(QPalette::Button));
}

TEST(IPAddressCtrl, WordsCarryTheHighByteFirst) {
    CIPAddressCtrlExt control;
    control.SetAddressWords(0xC0A8, 0x0A01);
    EXPECT_EQ(control.Address(), (CIPAddressCtrlExt::Octets{192, 168, 10, 1}));
    EXPECT_EQ(control.Field(0)->text(), QStringLiteral("192"));
    EXPECT_EQ(control.findChild<QLineEdit*>(QStringLiteral("field3"))->text(), QStringLiteral("1"));
    std::uint16_t high = 0;
    std::uint16_t low = 0;
    control.SetAddress({10, 0, 255, 7});
    control.GetAddressWords(high, low);
    EXPECT_EQ(high, 0x0A00);
    EXPECT_EQ(low, 0xFF07);
}

TEST(IPAddressCtrl, OnlyValuesFrom0To255ChangeTheAddress) {
    CIPAddressCtrlExt control;
    control.SetAddress({192, 168, 0, 1});
    EXPECT_EQ(control.OnFieldChanged(3, 255), 0);
    EXPECT_EQ(control.Address(), (CIPAddressCtrlExt::Octets{192, 168, 0, 255}));
    EXPECT_EQ(control.OnFieldChanged(2, -1), -1);
    EXPECT_EQ(control.OnFieldChanged(2, 256), -1);
    EXPECT_EQ(control.Address(), (CIPAddressCtrlExt::Octets{192, 168, 0, 255}));
}

TEST(IPAddressCtrl, TypedFieldsAreNormalisedOrRestored) {
    CIPAddressCtrlExt control;
    control.SetAddress({192, 168, 0, 1});
    QLineEdit* field = control.Field(2);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("007"));
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(control.Address()[2], 7);

    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(control.Address()[2], 7);
    emit field->editingFinished();
    EXPECT_EQ(field->text(), QStringLiteral("7"));
}

TEST(IPAddressCtrl, ValuesAbove255AreRefusedWithAMessageNotTruncated) {
    CIPAddressCtrlExt control;
    control.SetAddress({192, 168, 0, 1});
    test::MessageBoxRecorder boxes;
    QLineEdit* field = control.Field(0);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("300"));
    // Neither 30 nor 300: the address the field had before, and the user is told why.
    EXPECT_EQ(control.Address(), (CIPAddressCtrlExt::Octets{192, 168, 0, 1}));
    EXPECT_EQ(field->text(), QStringLiteral("192"));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], FormatMessageId(kMsgIpOctetRange, {"300"}));

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("255"));
    EXPECT_EQ(control.Address()[0], 255);
    EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST(ListCtrlInfoTip, EveryCellGivesItsFullTextAndEmptySpaceNone) {
    CListCtrlInfoTip list;
    list.setColumnCount(2);
    list.resize(200, 200);
    list.header()->resizeSection(0, 40);
    const QString longText = QStringLiteral("Maximum current demand of phase 3");
    auto* item = new QTreeWidgetItem(&list, {longText, QStringLiteral("5.000 (A)")});
    list.show();

    QString text;
    const QRect cell0 = list.CellRect(item, 0);
    const QRect cell1 = list.CellRect(item, 1);
    ASSERT_TRUE(list.CellTextAt(cell0.center(), text));
    EXPECT_EQ(text, longText);
    ASSERT_TRUE(list.CellTextAt(cell1.center(), text));
    EXPECT_EQ(text, QStringLiteral("5.000 (A)"));
    EXPECT_FALSE(list.CellTextAt(QPoint(10, cell0.bottom() + 40), text));
}

}  // namespace
}  // namespace voltaro
