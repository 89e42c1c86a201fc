#include "core/settings/modbus_dialog_models.h"
#include "core/model/parameter_words.h"
#include "core/platform/ui_text_ids.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;

template <typename Model>
int FailedField(Model& model, const typename Model::Inputs& in) {
    return test::FailureOf([&] { model.Accept(in); }).field;
}

TEST(ModbusDialogModel, MeterSetsAddressAndKeepsUnlistedLineSettings) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_MODBUS, 0, 0, FAM_ZB | FAM_ZC));
    image.words[kWordTransferRate] = 7;
    image.words[kWordParity] = 9;
    image.words[kWordStopBits] = 3;
    CModbusDialogModel model(image);
    EXPECT_TRUE(model.AddressAndRateEnabled());
    EXPECT_FALSE(model.ModeAndRunLedEnabled());
    CModbusDialogModel::Inputs in = model.Initial();
    // Values beyond the lists are shown as what they are, not as the last entries.
    EXPECT_EQ(in.rate, 6);
    EXPECT_EQ(model.Rates().At(in.rate).text, FormatMessageId(kTextUnlistedValue, {7}));
    EXPECT_EQ(model.Parities().CodeAt(in.parity), 9);
    EXPECT_EQ(model.StopBits().CodeAt(in.stop), 3);
    in.address = "248";
    EXPECT_EQ(FailedField(model, in), CModbusDialogModel::AddressField);
    EXPECT_EQ(MessageOf([&] { model.Accept(in); }), RangeMessage(15200, "1", "247"));
    in.address = "247";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordDeviceAddress], 247);
    EXPECT_EQ(image.words[kWordTransferRate], 7);
    EXPECT_EQ(image.words[kWordParity], 9);
    EXPECT_EQ(image.words[kWordStopBits], 3);
    in.rate = 5;
    model.Accept(in);
    EXPECT_EQ(image.words[kWordTransferRate], 5);
}

TEST(ModbusDialogModel, TransducerKeepsAddressAndRate) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZB));
    image.words[kWordDeviceAddress] = 17;
    image.words[kWordTransferRate] = 2;
    CModbusDialogModel model(image);
    EXPECT_FALSE(model.AddressAndRateEnabled());
    EXPECT_FALSE(model.AdvancedEnabled());
    CModbusDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.runLedTimeout, "1.0");
    in.address = "99";
    in.rate = 0;
    in.asciiMode = true;
    in.runLedTimeout = "3200.1";
    EXPECT_EQ(FailedField(model, in), CModbusDialogModel::RunLedTimeoutField);
    in.runLedTimeout = "3200";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordDeviceAddress], 17);
    EXPECT_EQ(image.words[kWordTransferRate], 2);
    EXPECT_EQ(image.words[kWordModbusMode], 1);
    EXPECT_EQ(image.words[kWordRunLedTimeout], 32000);
}

TEST(AdvancedModbusDialogModel, T35MustExceedT15) {
    ParameterImage image = DefaultImageOfRow(0);
    CAdvancedModbusDialogModel model(image);
    CAdvancedModbusDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.t15, "1.5");
    EXPECT_EQ(in.t35, "3.5");
    in.swap = true;
    in.t15 = "2.0";
    in.t35 = "2.0";
    EXPECT_EQ(FailedField(model, in), CAdvancedModbusDialogModel::T35Field);
    EXPECT_EQ(MessageOf([&] { model.Accept(in); }), RangeMessage(15205, "2.1", "6.0"));
    in.t15 = "6.0";
    EXPECT_EQ(FailedField(model, in), CAdvancedModbusDialogModel::T15Field);
    in.t15 = "2.0";
    in.t35 = "2.1";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordT15], 20);
    EXPECT_EQ(image.words[kWordT35], 21);
    EXPECT_EQ(image.words[kWordLongRegister], 1);
}

TEST(Modbus2DialogModel, AddressesPortAndTimeouts) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_MODBUS_TCP, 0));
    EXPECT_TRUE(UsesModbus2Dialog(image.deviceType));
    EXPECT_FALSE(UsesModbus2Dialog(DefaultImageOfRow(0).deviceType));
    CModbus2DialogModel model(image);
    CModbus2DialogModel::Inputs in = model.Initial();
    EXPECT_EQ(in.address, (Ipv4Octets{192, 168, 0, 1}));
    EXPECT_EQ(in.mask, (Ipv4Octets{255, 255, 255, 0}));
    EXPECT_EQ(in.port, "502");
    EXPECT_EQ(in.connectionTimeout, "60.0");
    in.address = {10, 1, 2, 3};
    in.gateway = {10, 1, 2, 254};
    in.port = "0x1F6";
    in.connectionTimeout = "0.9";
    EXPECT_EQ(FailedField(model, in), CModbus2DialogModel::ConnectionTimeoutField);
    EXPECT_EQ(image.words[kWordPort], 502);
    in.port = "65536";
    EXPECT_EQ(FailedField(model, in), CModbus2DialogModel::PortField);
    in.port = "0x1F7";
    in.connectionTimeout = "1";
    in.runLedTimeout = "0";
    model.Accept(in);
    EXPECT_EQ(image.words[kWordIpAddress], 0x0A01);
    EXPECT_EQ(image.words[kWordIpAddress + 1], 0x0203);
    EXPECT_EQ(image.words[kWordDefaultGateway], 0x0A01);
    EXPECT_EQ(image.words[kWordDefaultGateway + 1], 0x02FE);
    EXPECT_EQ(image.words[kWordPort], 503);
    EXPECT_EQ(image.words[kWordConnectionTimeout], 10);
    EXPECT_EQ(image.words[kWordRunLedTimeout], 0);
}

TEST(CCLinkDialogModel, NodeAndRate) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_CCLINK, 0));
    image.words[kWordCcLinkRate] = 9;
    CCCLinkDialogModel model(image);
    CCCLinkDialogModel::Inputs in = model.Initial();
    EXPECT_EQ(model.Rates().CodeAt(in.rate), 9);
    EXPECT_EQ(in.node, "1");
    in.node = "65";
    EXPECT_EQ(MessageOf([&] { model.Accept(in); }), RangeMessage(15690, "1", "64"));
    in.node = "64";
    in.rate = 2;
    model.Accept(in);
    EXPECT_EQ(image.words[kWordCcLinkNode], 64);
    EXPECT_EQ(image.words[kWordCcLinkRate], 2);
}

}  // namespace
}  // namespace voltaro
