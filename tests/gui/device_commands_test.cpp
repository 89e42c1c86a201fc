// Device commands of the main window against the in-process simulator, through the real
// Connect and progress dialogs; the Connect dialog's port memory and address check; the
// report dialog.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "core/app/main_window_ids.h"
#include "core/comm/com_settings.h"
#include "core/comm/modbus_interface.h"
#include "core/files/config_file.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui/dialogs/progress_dialog.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::ClickOnModal;
using test::MessageBoxRecorder;
using test::OnModal;

constexpr int kRowKt2 = 4;
constexpr int kRowKt2Ao = 5;  // the simulated device: another KT2 variant

// A simulated device on loopback and a profile whose connection settings point at it.
class SimulatedDevice : public ::testing::Test {
  protected:
    explicit SimulatedDevice(sim::FaultSettings faults = {}) {
        sim::SimulatorOptions options;
        options.device.row = kRowKt2Ao;
        options.faults = faults;
        simulator_ = std::make_unique<sim::Simulator>(options);
        const int port = simulator_->StartTcp();
        profile_.ConnectTo(port);
    }

    // Runs command with the Connect dialog accepted as it stands.
    void Connected(const std::function<void()>& command) { test::RunConnected(command); }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
};

TEST_F(SimulatedDevice, UploadThenDownloadRoundTrip) {
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog window(carry, settings_);
    MessageBoxRecorder boxes;
    Connected([&] { window.Upload(); });
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_EQ(window.Image().deviceType.typeIndex, kRowKt2Ao);
    const std::string description = LoadString(kModelStringBase + kRowKt2Ao);
    EXPECT_NE(
        description.find(
            FindControlAs<QComboBox>(&window, kIdModelDescription)->currentText().toStdString()),
        std::string::npos);

    FindControlAs<QLineEdit>(&window, kIdCtPrimary)->setText(QStringLiteral("250"));
    Connected([&] { window.Download(); });
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();

    // A second window reads the value back from the device.
    ParameterImage other = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog second(other, settings_);
    Connected([&] { second.Upload(); });
    EXPECT_EQ(second.Image().words[kWordPrimaryCurrent], 250);
    EXPECT_EQ(FindControlAs<QLineEdit>(&second, kIdCtPrimary)->text(), QStringLiteral("250"));
}

TEST_F(SimulatedDevice, CompareWithDeviceFindsTheChangedValue) {
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog window(carry, settings_);
    Connected([&] { window.Upload(); });
    ParameterImage changed = window.Image();
    changed.words[kWordPrimaryCurrent] =
        static_cast<uint16_t>(changed.words[kWordPrimaryCurrent] + 1);
    CCompareDialog report(changed, settings_);
    auto* status = FindControlAs<QLabel>(&report, CCompareDialog::kIdStatus);
    EXPECT_TRUE(status->text().isEmpty());
    Connected([&] { FindControlAs<QPushButton>(&report, CCompareDialog::kIdDevice)->click(); });
    EXPECT_EQ(status->text().toStdString(), FormatMessageId(kMsgParametersNotMatching, {1}));
    EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("255, 0, 0")));
    auto* list = FindControlAs<QTreeWidget>(&report, CCompareDialog::kIdList);
    EXPECT_EQ(list->headerItem()->text(2).toStdString(), LoadString(kTextDevice));
    EXPECT_GT(list->topLevelItemCount(), 3);

    // Against a file of the same image: everything matches and the status is not red.
    const std::string file = profile_.File("same.cfg");
    SaveConfigFile(file, changed);
    test::ChooseFile(QString::fromStdString(file));
    FindControlAs<QPushButton>(&report, CCompareDialog::kIdFile)->click();
    EXPECT_EQ(status->text().toStdString(), LoadString(kMsgAllParametersMatch));
    EXPECT_FALSE(status->styleSheet().contains(QStringLiteral("255, 0, 0")));
    EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("same.cfg"));

    // The hide box is stored in the profile at once.
    auto* hide = FindControlAs<QCheckBox>(&report, CCompareDialog::kIdHide);
    hide->setChecked(!hide->isChecked());
    EXPECT_EQ(CUserProfile(profile_.ProfilePath()).GetInt("Settings", "HideIgnoreParameters", -1),
              hide->isChecked() ? 1 : 0);
}

TEST(CompareDialog, ExportCsvWritesTheListedParameters) {
    test::ScratchProfile profile;
    AppSettings settings;
    CCompareDialog report(DefaultImageOfRow(kRowKt2), settings);
    auto* status = FindControlAs<QLabel>(&report, CCompareDialog::kIdStatus);
    EXPECT_TRUE(status->text().isEmpty());
    const std::string csv = profile.File("report.csv");
    test::ChooseFile(QString::fromStdString(csv));
    FindControlAs<QPushButton>(&report, CCompareDialog::kIdExportCsv)->click();
    const std::string written = test::ReadFile(csv);
    std::string expected;
    for (const std::string& line : report.Report().CsvLines(settings.hideIgnoreParameters)) {
        expected += line;
    }
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, expected);
}

class SlowDevice : public SimulatedDevice {
  protected:
    static sim::FaultSettings Slow() {
        sim::FaultSettings faults;
        faults.delayMs = 60;
        return faults;
    }
    SlowDevice() : SimulatedDevice(Slow()) {}
};

TEST_F(SlowDevice, CancelDuringUploadClosesWithoutMessage) {
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog window(carry, settings_);
    MessageBoxRecorder boxes;
    auto sawProgress = std::make_shared<bool>(false);
    auto cancelled = OnModal<CProgressDialog>([sawProgress](CProgressDialog* dialog) {
        QTimer::singleShot(900, dialog, [dialog, sawProgress] {
            *sawProgress =
                FindControlAs<QProgressBar>(dialog, CProgressDialog::kIdProgressBar)->value() > 0;
            FindControlAs<QPushButton>(dialog, kIdCancel)->click();
        });
    });
    Connected([&] { window.Upload(); });
    EXPECT_TRUE(*cancelled);
    EXPECT_TRUE(*sawProgress);
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(window.Image().deviceType.typeIndex, kRowKt2);
}

TEST(CommDialog, PortMemoryPerModeAndAddressCheck) {
    test::ScratchProfile profile;
    PortList ports = {{"/dev/ttyS0", "COM1"},
                      {"/dev/ttyUSB0", "USB Serial"},
                      {"/dev/ttyS2", "COM3"},
                      {"/dev/ttyUSB1", "USB Serial"}};
    CComSettings settings;
    settings.comPortDisplayName = "USB Serial";
    settings.irComPortDisplayName = "COM3";
    settings.address = 17;
    CCommDialog dialog(settings, ports);
    auto* port = FindControlAs<QComboBox>(&dialog, kIdConnectPort);
    auto* rtu = FindControlAs<QRadioButton>(&dialog, kIdConnectModbusRtu);
    auto* infrared = FindControlAs<QRadioButton>(&dialog, kIdConnectInfrared);
    auto* tcp = FindControlAs<QRadioButton>(&dialog, kIdConnectModbusTcp);
    EXPECT_TRUE(rtu->isChecked());
    EXPECT_EQ(port->currentIndex(), 3);  // the last of the two equal names
    infrared->click();
    EXPECT_EQ(port->currentText(), QStringLiteral("COM3"));
    EXPECT_FALSE(FindControl(&dialog, kIdConnectAddress)->isEnabled());
    EXPECT_FALSE(FindControl(&dialog, kIdConnectBaud)->isEnabled());
    port->setCurrentIndex(0);
    emit port->activated(0);
    rtu->click();
    EXPECT_EQ(port->currentIndex(), 3);
    tcp->click();
    EXPECT_FALSE(port->isEnabled());
    EXPECT_TRUE(FindControl(&dialog, kIdConnectServer)->isEnabled());
    infrared->click();
    EXPECT_EQ(port->currentText(), QStringLiteral("COM1"));

    // Address 248 is refused with kMsgOutOfRange and the dialog stays open, nothing changed.
    rtu->click();
    auto* address = FindControlAs<QLineEdit>(&dialog, kIdConnectAddress);
    address->setText(QStringLiteral("248"));
    dialog.show();
    {
        MessageBoxRecorder boxes;
        dialog.accept();
        QApplication::processEvents();
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0],
                  FormatMessageId(kMsgOutOfRange,
                                  {LoadString(15200), std::string("1"), std::string("247")}));
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), address);
    EXPECT_EQ(dialog.Settings().address, 17);
    // Infrared keeps the stored address and takes the infra-red port.
    infrared->click();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Settings().mode, Infrared);
    EXPECT_EQ(dialog.Settings().address, 17);
    EXPECT_EQ(dialog.Settings().irComPortName, "/dev/ttyS0");
    EXPECT_EQ(dialog.Settings().comPortDisplayName, "USB Serial");
}

TEST(CommDialog, FreshProfileShowsTheDefaultsAndAGonePortKeepsTheFirst) {
    test::ScratchProfile profile;
    const PortList ports = {{"/dev/ttyS0", "COM1"}, {"/dev/ttyS1", "COM2"}};
    CCommDialog fresh(CComSettings(CUserProfile(profile.ProfilePath())), ports);
    EXPECT_TRUE(FindControlAs<QRadioButton>(&fresh, kIdConnectModbusRtu)->isChecked());
    EXPECT_EQ(FindControlAs<QLineEdit>(&fresh, kIdConnectAddress)->text(), QStringLiteral("1"));
    EXPECT_EQ(FindControlAs<QComboBox>(&fresh, kIdConnectBaud)->currentText().toStdString(),
              LoadString(1905));  // 38400 bps
    EXPECT_EQ(FindControlAs<QComboBox>(&fresh, kIdConnectParity)->currentText().toStdString(),
              LoadString(1951));  // odd
    EXPECT_EQ(FindControlAs<QComboBox>(&fresh, kIdConnectStop)->currentText().toStdString(),
              LoadString(2000));  // one stop bit
    EXPECT_EQ(FindControlAs<QLineEdit>(&fresh, kIdConnectServer)->text(),
              QStringLiteral("192.168.0.1"));
    EXPECT_EQ(FindControlAs<QComboBox>(&fresh, kIdConnectService)->currentText(),
              QStringLiteral("502"));
    EXPECT_EQ(FindControlAs<QComboBox>(&fresh, kIdConnectPort)->currentIndex(), 0);

    // A remembered port that is no longer listed leaves the first port selected, and
    // out-of-range line settings select the last entries.
    CComSettings stale;
    stale.comPortDisplayName = "COM9";
    stale.baudrate = 9;
    stale.parity = 7;
    stale.stop = 3;
    CCommDialog dialog(stale, ports);
    auto* port = FindControlAs<QComboBox>(&dialog, kIdConnectPort);
    EXPECT_EQ(port->currentIndex(), 0);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectBaud)->currentIndex(), 5);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectParity)->currentIndex(), 2);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectStop)->currentIndex(), 1);
    dialog.accept();
    EXPECT_EQ(dialog.Settings().comPortName, "/dev/ttyS0");
    EXPECT_EQ(dialog.Settings().comPortDisplayName, "COM1");
}

TEST(CommDialog, ConnectSavesOnlyWhatWasAccepted) {
    test::ScratchProfile profile;
    {
        CUserProfile stored(profile.ProfilePath());
        stored.SetInt(kComSettingsSection, "Character", 7);
        stored.Save();
    }
    CModbusInterface client;
    ClickOnModal<CCommDialog>(kIdCancel);
    EXPECT_FALSE(Connect(nullptr, client));
    EXPECT_EQ(CUserProfile(profile.ProfilePath()).GetInt(kComSettingsSection, "Character", 0), 7);

    OnModal<CCommDialog>([](CCommDialog* dialog) {
        FindControlAs<QRadioButton>(dialog, kIdConnectModbusTcp)->click();
        FindControlAs<QLineEdit>(dialog, kIdConnectServer)->setText(QStringLiteral("10.1.2.3"));
        FindControlAs<QComboBox>(dialog, kIdConnectService)->setEditText(QStringLiteral("1502"));
        FindControlAs<QLineEdit>(dialog, kIdConnectAddress)->setText(QStringLiteral("9"));
        dialog->accept();
    });
    EXPECT_TRUE(Connect(nullptr, client));
    EXPECT_EQ(client.settings.mode, ModbusTcp);
    EXPECT_EQ(client.settings.serverAddress, "10.1.2.3");
    EXPECT_EQ(client.settings.address, 9);
    const CComSettings saved{CUserProfile(profile.ProfilePath())};
    EXPECT_EQ(saved.servicePort, "1502");
    EXPECT_EQ(saved.address, 9);
    EXPECT_EQ(CUserProfile(profile.ProfilePath()).GetInt(kComSettingsSection, "Character", 0), 1);
}

TEST(ProgressDialog, QualityIconsDifferFromWorstToBest) {
    const auto icons = CProgressDialog::QualityIcons();
    for (std::size_t i = 1; i < icons.size(); ++i) {
        EXPECT_NE(icons[i].toImage(), icons[i - 1].toImage()) << i;
    }
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

TEST(ProgressDialog, InfraredShowsSuccessRateAndQualityIcon) {
    test::ScratchProfile profile;
    sim::SimulatorOptions options;
    options.device.row = kRowKt2Ao;
    options.faults.delayMs = 25;  // long enough for the dialog's half-second tick
    sim::Simulator simulator(options);
    CComSettings settings;
    settings.mode = Infrared;
    settings.irComPortName = simulator.StartPty();
    CModbusInterface client(settings);
    auto shown = std::make_shared<bool>(false);
    OnModal<CProgressDialog>([shown](CProgressDialog* dialog) {
        QTimer::singleShot(700, dialog, [dialog, shown] {
            auto* rate = FindControlAs<QLabel>(dialog, CProgressDialog::kIdSuccessRate);
            auto* icon = FindControlAs<QLabel>(dialog, CProgressDialog::kIdQualityIcon);
            *shown = true;
            EXPECT_TRUE(rate->isVisible());
            EXPECT_EQ(rate->text(), QStringLiteral("100.0"));
            EXPECT_EQ(icon->property("qualityIcon").toInt(), 3);
        });
    });
    ParameterImage image;
    EXPECT_TRUE(RunUploadWithProgress(nullptr, client, image));
    EXPECT_TRUE(*shown);
    EXPECT_EQ(image.deviceType.typeIndex, kRowKt2Ao);
}

TEST_F(SimulatedDevice, TcpProgressHidesTheQualityIndicator) {
    CModbusInterface client;
    auto checked = OnModal<CProgressDialog>([](CProgressDialog* dialog) {
        EXPECT_FALSE(FindControl(dialog, CProgressDialog::kIdSuccessRate)->isVisible());
        EXPECT_FALSE(FindControl(dialog, CProgressDialog::kIdQualityIcon)->isVisible());
        EXPECT_EQ(
            FindControlAs<QLabel>(dialog, CProgressDialog::kIdProgressText)->text().toStdString(),
            LoadString(kMsgUploadingNow));
    });
    ParameterImage image;
    EXPECT_TRUE(RunUploadWithProgress(nullptr, client, image));
    EXPECT_TRUE(*checked);
}

}  // namespace
}  // namespace voltaro
