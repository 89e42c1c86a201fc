// The desktop's safe download against the in-process simulator: the status line names the
// verification and the backup, a download that fails half-way offers "Restore backup", which
// brings the old values back, and the Connect dialog keeps the two settings per link kind.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include "core/app/main_window_ids.h"
#include "core/comm/modbus_interface.h"
#include "core/files/safe_download.h"
#include "core/platform/message_format.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/transfer/progress_thread.h"
#include "gui/app/main_window.h"
#include "gui_driver.h"
#include "sim/simulator.h"
#include "support/scoped_env.h"

namespace voltaro {
namespace {

constexpr int kRow = 40;

class SafeDownloadWindow : public ::testing::Test {
  protected:
    SafeDownloadWindow() {
        sim::SimulatorOptions options;
        options.device.row = kRow;
        options.line.turnaroundMs = 0;
        simulator_ = std::make_unique<sim::Simulator>(options);
        port_ = simulator_->StartTcp();
        profile_.ConnectTo(port_);
    }

    std::string Status() const {
        return ToStdString(test::Child<QLabel>(&window_, "status_line")->text());
    }
    ParameterImage DeviceImage() {
        CComSettings settings;
        settings.mode = ModbusTcp;
        settings.serverAddress = "127.0.0.1";
        settings.servicePort = std::to_string(port_);
        CModbusInterface client(settings);
        ParameterImage image;
        EXPECT_TRUE(RunUpload(client, image));
        return image;
    }
    // Uploads through the window and changes the CT primary: the window's image then differs
    // from the device.
    ParameterImage UploadAndEdit() {
        test::RunConnected([&] { window_.Upload(); });
        const ParameterImage original = window_.Image();
        FindControlAs<QLineEdit>(&window_, kIdCtPrimary)->setText(QStringLiteral("250"));
        return original;
    }

    test::TempDir data_;
    test::ScopedEnv dataEnv_{"XDG_DATA_HOME", data_.Path().c_str()};
    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    int port_ = 0;
    AppSettings settings_;
    ParameterImage carry_ = DefaultImageOfRow(kRow);
    CBasicParameterDialog window_{carry_, settings_};
};

TEST_F(SafeDownloadWindow, CleanDownloadNamesVerificationAndBackup) {
    UploadAndEdit();
    test::MessageBoxRecorder boxes;
    test::RunConnected([&] { window_.Download(); });
    ASSERT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_NE(Status().find(LoadString(kTextSafeVerified)), std::string::npos) << Status();
    const std::string backupPrefix = FormatMessageId(kTextSafeBackupSaved, {""});
    EXPECT_NE(Status().find(backupPrefix + "20"), std::string::npos) << Status();
    EXPECT_FALSE(window_.IsModified());
}

TEST_F(SafeDownloadWindow, FailureHalfWayOffersTheBackupAndRestoresIt) {
    const ParameterImage original = UploadAndEdit();
    sim::FaultSettings faults;
    faults.failWrite = 2;  // every write after the first group is refused once
    simulator_->SetFaults(faults);

    std::string asked;
    std::string told;
    std::string restoreText;
    auto offered = test::OnModal<QMessageBox>([&](QMessageBox* box) {
        asked = ToStdString(box->text());
        // The restore's own result comes next.
        test::OnModal<QMessageBox>([&](QMessageBox* result) {
            told = ToStdString(result->text());
            result->done(QMessageBox::Ok);
        });
        auto* restore = box->findChild<QAbstractButton*>(QStringLiteral("restore_backup"));
        if (restore == nullptr) return box->done(QMessageBox::No);
        restoreText = ToStdString(restore->text());
        restore->click();
    });
    test::RunConnected([&] { window_.Download(); });
    ASSERT_TRUE(*offered);
    EXPECT_EQ(restoreText, LoadString(kTextSafeRestoreButton));
    EXPECT_NE(asked.find("/voltaro/backups/"), std::string::npos) << asked;
    EXPECT_NE(told.find("/voltaro/backups/"), std::string::npos) << told;
    EXPECT_NE(told.find(LoadString(kTextSafeVerified)), std::string::npos) << told;
    EXPECT_TRUE(window_.IsModified()) << "changes the device does not hold stay unsaved";
    EXPECT_TRUE(CompareWrittenValues(original, DeviceImage()).empty());
}

TEST(SafeDownloadSettings, ConnectDialogKeepsInfraredBackupApartAndVerify) {
    test::ScratchProfile scratch;
    CUserProfile profile(scratch.ProfilePath());
    CComSettings settings;
    settings.mode = ModbusTcp;
    CCommDialog dialog(settings, {});
    dialog.LoadSafeDownloadSettings(profile);
    auto* backup = test::Child<QCheckBox>(&dialog, "backup_before_download");
    auto* verify = test::Child<QCheckBox>(&dialog, "verify_after_download");
    EXPECT_TRUE(backup->isChecked());
    EXPECT_TRUE(verify->isChecked());

    FindControlAs<QRadioButton>(&dialog, kIdConnectInfrared)->click();
    EXPECT_FALSE(backup->isChecked()) << "infra-red verifies only";
    backup->setChecked(true);
    verify->setChecked(false);
    FindControlAs<QRadioButton>(&dialog, kIdConnectModbusTcp)->click();
    EXPECT_TRUE(backup->isChecked());
    backup->setChecked(false);
    dialog.StoreSafeDownloadSettings(profile);

    EXPECT_FALSE(LoadSafeDownloadOptions(profile, ModbusTcp).backup);
    EXPECT_FALSE(LoadSafeDownloadOptions(profile, ModbusRtu).backup);  // wired links share it
    EXPECT_TRUE(LoadSafeDownloadOptions(profile, Infrared).backup);
    EXPECT_FALSE(LoadSafeDownloadOptions(profile, Infrared).verify);
}

}  // namespace
}  // namespace voltaro
