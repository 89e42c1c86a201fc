// voltaro-cli download with backup and read-back against the simulator: the result lines,
// exit 1 when the device does not hold what was written, the way back by downloading the
// backup, and the flags that turn each step off.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/files/config_file.h"
#include "core/files/download_records.h"
#include "core/files/safe_download.h"
#include "core/model/parameter_image.h"
#include "core/platform/message_format.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "sim_device.h"
#include "support/cli_run.h"
#include "support/safe_download_support.h"
#include "support/scoped_env.h"

namespace voltaro {
namespace {

using test::RunCli;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr int kRow = 40;

// The mismatch line up to its list of names.
std::string MismatchOf(int count) {
    const std::string text = FormatMessageId(kTextSafeVerifyMismatch, {count, "\x01"});
    return text.substr(0, text.find('\x01'));
}

class CliSafeDownload : public ::testing::Test {
  protected:
    CliSafeDownload() {
        const test::CliRun upload =
            RunCli("upload " + dir_.File("original.cfg") + " " + device_.Tcp());
        EXPECT_EQ(upload.status, 0) << upload.out;
        LoadConfigFile(dir_.File("original.cfg"), original_);
        SaveConfigFile(dir_.File("changed.cfg"), test::ChangedEarlyAndLate(original_));
    }
    ParameterImage Device() {
        EXPECT_EQ(RunCli("upload " + dir_.File("now.cfg") + " " + device_.Tcp()).status, 0);
        ParameterImage image;
        LoadConfigFile(dir_.File("now.cfg"), image);
        return image;
    }
    // The path after "Backup: " in out.
    static std::string BackupIn(const std::string& out) {
        const std::string prefix = FormatMessageId(kTextSafeBackupSaved, {""});
        const std::size_t at = out.find(prefix);
        if (at == std::string::npos) return {};
        const std::size_t start = at + prefix.size();
        return out.substr(start, out.find('\n', start) - start);
    }

    test::TempDir dir_;
    test::ScopedEnv data_{"XDG_DATA_HOME", dir_.File("data").c_str()};
    test::SimDevice device_{kRow};
    ParameterImage original_;
};

TEST_F(CliSafeDownload, ReportsBackupAndVerification) {
    const test::CliRun run = RunCli("download " + dir_.File("changed.cfg") + " " + device_.Tcp());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr(LoadString(kTextSafeVerified)));
    const std::string backup = BackupIn(run.out);
    ASSERT_FALSE(backup.empty()) << run.out;
    EXPECT_TRUE(IsBackupFile(backup));
    ParameterImage saved;
    LoadConfigFile(backup, saved);
    EXPECT_TRUE(CompareWrittenValues(original_, saved).empty());
}

TEST_F(CliSafeDownload, MismatchExitsOneAndTheBackupRestores) {
    // The device refuses the fourth of the download's write requests (of about ten).
    sim::FaultSettings faults;
    faults.failWrite = 4;
    device_.simulator.SetFaults(faults);
    const test::CliRun failed =
        RunCli("download " + dir_.File("changed.cfg") + " " + device_.Tcp(), true);
    EXPECT_EQ(failed.status, 1) << failed.out;
    EXPECT_THAT(failed.out, HasSubstr(MismatchOf(1)));
    const std::string backup = BackupIn(failed.out);
    ASSERT_FALSE(backup.empty()) << failed.out;
    EXPECT_THAT(failed.out, HasSubstr(FormatMessageId(kTextSafeRestoreHint, {backup})));

    const test::CliRun restored = RunCli("download " + backup + " " + device_.Tcp());
    EXPECT_EQ(restored.status, 0) << restored.out;
    EXPECT_THAT(restored.out, HasSubstr(FormatMessageId(kTextSafeRestored, {backup})));
    EXPECT_THAT(restored.out, HasSubstr(LoadString(kTextSafeVerified)));
    EXPECT_EQ(test::CountBackups(), 1u) << "a restore makes no second backup";
    EXPECT_TRUE(CompareWrittenValues(original_, Device()).empty());
}

TEST_F(CliSafeDownload, FlagsTurnBackupAndReadBackOff) {
    const test::CliRun run = RunCli("download " + dir_.File("changed.cfg") +
                                    " --no-backup --no-verify " + device_.Tcp());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, Not(HasSubstr(LoadString(kTextSafeVerified))));
    EXPECT_THAT(run.out, HasSubstr(LoadString(kTextSafeNotVerified)));
    EXPECT_EQ(test::CountBackups(), 0u);
    // A download that fails part-way without a backup: exit 1, and no way back is offered.
    sim::FaultSettings faults;
    faults.failWrite = 4;
    device_.simulator.SetFaults(faults);
    const test::CliRun failed =
        RunCli("download " + dir_.File("original.cfg") + " --no-backup " + device_.Tcp(), true);
    EXPECT_EQ(failed.status, 1);
    EXPECT_THAT(failed.out, HasSubstr(MismatchOf(1)));
    EXPECT_THAT(failed.out, Not(HasSubstr(FormatMessageId(kTextSafeRestoreHint, {""}))));
    EXPECT_EQ(test::CountBackups(), 0u);
}

}  // namespace
}  // namespace voltaro
