// The safe download against simulated devices: the backup before, the read-back after, the
// audit line, and a download interrupted half-way that verification catches and the backup
// undoes.
#include "core/files/safe_download.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "core/files/config_file.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_ids.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "core/transfer/progress_thread.h"
#include "passcode_support.h"
#include "sim_link.h"
#include "support/changed_image.h"
#include "support/json_value.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::JsonReader;
using test::JsonValue;
using test::MessageOf;
using test::ScopedEnv;
using test::ScriptedInteraction;
using test::SimLink;
using test::TempDir;
using ::testing::HasSubstr;

constexpr int kMeterRow = 40;
constexpr uint32_t kPasscode = 123456;
constexpr PasscodeTimings kShortTimings{300, 20};

// A private data folder for backups and the audit log.
struct DataHome {
    TempDir dir;
    ScopedEnv env{"XDG_DATA_HOME", dir.Path().c_str()};

    std::vector<JsonValue> AuditLines() const {
        std::vector<JsonValue> lines;
        std::istringstream in(test::ReadFile(AuditLogPath()));
        for (std::string line; std::getline(in, line);)
            lines.push_back(JsonReader::Parse(line));
        return lines;
    }
    std::size_t Backups() const {
        std::error_code error;
        std::size_t count = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(BackupRootDirectory(), error);
             it != std::filesystem::recursive_directory_iterator(); ++it)
            count += it->is_regular_file() ? 1 : 0;
        return count;
    }
};

ParameterImage UploadOf(CModbusInterface& client) {
    ParameterImage image;
    EXPECT_TRUE(RunUpload(client, image));
    return image;
}

sim::SimulatorOptions Meter(uint32_t passcode = 0) {
    sim::SimulatorOptions options = test::Protected(kMeterRow, passcode);
    options.device.serial = "SN/40";  // not a file name as it stands
    return options;
}

SafeDownloadRequest Request(bool backup = true, bool verify = true) {
    SafeDownloadRequest request;
    request.sourceFile = "/configs/site.cfg";
    request.options = {backup, verify};
    request.timings = kShortTimings;
    return request;
}

TEST(SafeDownload, CleanDownloadIsBackedUpVerifiedAndAudited) {
    DataHome home;
    SimLink link(Meter());
    const ParameterImage original = UploadOf(*link.client);
    const ParameterImage changed = test::ChangedEarlyAndLate(original);
    ScriptedInteraction ui;
    CPlainDownloadView view;
    const SafeDownloadOutcome outcome = RunSafeDownload(*link.client, changed, ui, view, Request());

    EXPECT_EQ(outcome.result, SafeDownloadResult::Completed);
    EXPECT_EQ(outcome.verification, VerifyState::Matched);
    EXPECT_EQ(outcome.parametersChanged, 2);
    EXPECT_TRUE(outcome.auditError.empty()) << outcome.auditError;
    EXPECT_FALSE(ShouldOfferRestore(outcome));
    // The backup holds what the device held before.
    ASSERT_FALSE(outcome.backupFile.empty());
    EXPECT_TRUE(IsBackupFile(outcome.backupFile));
    EXPECT_THAT(outcome.backupFile, HasSubstr("/voltaro/backups/SN_40/"));
    ParameterImage backup;
    LoadConfigFile(outcome.backupFile, backup);
    EXPECT_TRUE(CompareWrittenValues(original, backup).empty());
    EXPECT_TRUE(CompareWrittenValues(changed, UploadOf(*link.client)).empty());

    const auto lines = home.AuditLines();
    ASSERT_EQ(lines.size(), 1u);
    const JsonValue& line = lines[0];
    EXPECT_EQ(line["operation"].text, "download");
    EXPECT_EQ(line["device"].text,
              "tcp 127.0.0.1:" + std::to_string(link.proxy.Port()) + " unit 1");
    EXPECT_FALSE(line["model"].text.empty());
    EXPECT_EQ(line["serial"].text, "SN/40");
    EXPECT_EQ(line["source"].text, "/configs/site.cfg");
    EXPECT_EQ(line["backup"].text, outcome.backupFile);
    EXPECT_EQ(line["parameters_changed"].number, 2);
    EXPECT_EQ(line["verification"].text, "matched");
    EXPECT_EQ(line["result"].text, "completed");
    EXPECT_EQ(line["failure"].text, "");
}

TEST(SafeDownload, InterruptedHalfWayIsCaughtAuditedAndUndoneByTheBackup) {
    DataHome home;
    SimLink link(Meter());
    const ParameterImage original = UploadOf(*link.client);
    ScriptedInteraction ui;
    CPlainDownloadView view;
    // Count the write requests of one download of the device's own values.
    RunSafeDownload(*link.client, original, ui, view, Request(false, false));
    const std::size_t writes = link.proxy.Writes().size();
    ASSERT_GE(writes, 4u);

    sim::FaultSettings faults;
    faults.failWrite = static_cast<int>(writes / 2 + 1);
    link.simulator.SetFaults(faults);
    const SafeDownloadOutcome failed =
        RunSafeDownload(*link.client, test::ChangedEarlyAndLate(original), ui, view, Request());
    EXPECT_EQ(failed.result, SafeDownloadResult::Failed);
    EXPECT_THAT(failed.failure, HasSubstr(LoadString(kMsgPartlyWritten).substr(0, 20)));
    EXPECT_EQ(failed.verification, VerifyState::Mismatched);
    ASSERT_EQ(failed.differences.size(), 1u);  // the late value never arrived
    EXPECT_TRUE(ShouldOfferRestore(failed));
    EXPECT_THAT(VerificationText(failed), HasSubstr(failed.differences[0].name));

    // Restore: the backup goes back, verified, and the device holds its old values again.
    ParameterImage backup;
    LoadConfigFile(failed.backupFile, backup);
    SafeDownloadRequest restore = Request(false, true);
    restore.sourceFile = failed.backupFile;
    restore.restore = true;
    const SafeDownloadOutcome restored = RunSafeDownload(*link.client, backup, ui, view, restore);
    EXPECT_EQ(restored.result, SafeDownloadResult::Completed);
    EXPECT_EQ(restored.verification, VerifyState::Matched);
    EXPECT_TRUE(restored.backupFile.empty());
    EXPECT_TRUE(CompareWrittenValues(original, UploadOf(*link.client)).empty());

    const auto lines = home.AuditLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1]["result"].text, "failed");
    EXPECT_EQ(lines[1]["verification"].text, "mismatch");
    EXPECT_EQ(lines[1]["mismatches"].number, 1);
    EXPECT_EQ(lines[1]["differing"].items.at(0).text, failed.differences[0].name);
    EXPECT_EQ(lines[1]["failure"].text, failed.failure);
    EXPECT_EQ(lines[2]["operation"].text, "restore");
    EXPECT_EQ(lines[2]["source"].text, failed.backupFile);
    EXPECT_EQ(lines[2]["verification"].text, "matched");
    EXPECT_EQ(lines[2]["backup"].type, JsonValue::Type::Null);
}

// A write that the device acknowledged but did not keep: only the read-back sees it.
TEST(SafeDownload, LostWriteIsFoundOnlyByTheReadBack) {
    DataHome home;
    SimLink link(Meter());
    const ParameterImage original = UploadOf(*link.client);
    const ParameterImage changed = test::ChangedEarlyAndLate(original);
    ScriptedInteraction ui;
    CPlainDownloadView view;
    // The write request that carries the first value (word 0), in a download's order.
    RunSafeDownload(*link.client, original, ui, view, Request(false, false));
    const int first = RegisterOfWord(BlockTableFor(original.deviceType), 0);
    const auto writes = link.proxy.Writes();
    const auto carrier = std::find_if(writes.begin(), writes.end(), [&](const auto& w) {
        return w.address <= first && first < w.address + w.count;
    });
    ASSERT_NE(carrier, writes.end());
    sim::FaultSettings faults;
    faults.loseWrite = static_cast<int>(carrier - writes.begin()) + 1;
    link.simulator.SetFaults(faults);
    const SafeDownloadOutcome outcome = RunSafeDownload(*link.client, changed, ui, view, Request());
    EXPECT_EQ(outcome.result, SafeDownloadResult::Completed);
    EXPECT_EQ(outcome.verification, VerifyState::Mismatched);
    ASSERT_EQ(outcome.differences.size(), 1u);
    EXPECT_EQ(outcome.differences[0].word, 0);
    EXPECT_TRUE(ShouldOfferRestore(outcome));
}

TEST(SafeDownload, OptionsOffMakeNoBackupAndNoReadBack) {
    DataHome home;
    SimLink link(Meter());
    const ParameterImage changed = test::ChangedEarlyAndLate(UploadOf(*link.client));
    link.proxy.Clear();
    ScriptedInteraction ui;
    CPlainDownloadView view;
    const SafeDownloadOutcome outcome =
        RunSafeDownload(*link.client, changed, ui, view, Request(false, false));
    EXPECT_EQ(outcome.result, SafeDownloadResult::Completed);
    EXPECT_EQ(outcome.verification, VerifyState::Off);
    EXPECT_TRUE(outcome.backupFile.empty());
    EXPECT_FALSE(outcome.parametersChanged);
    EXPECT_EQ(home.Backups(), 0u);
    const JsonValue line = home.AuditLines().at(0);
    EXPECT_EQ(line["backup"].type, JsonValue::Type::Null);
    EXPECT_EQ(line["parameters_changed"].type, JsonValue::Type::Null);
    EXPECT_EQ(line["verification"].text, "off");
}

TEST(SafeDownload, RefusalsBeforeWritingAreThrownAuditedAndBackUpNothing) {
    DataHome home;
    SimLink link(Meter());
    ScriptedInteraction ui;
    CPlainDownloadView view;
    EXPECT_EQ(MessageOf([&] {
                  RunSafeDownload(*link.client, DefaultImageOfRow(4), ui, view, Request());
              }),
              LoadString(kMsgDifferentDevice));
    EXPECT_EQ(home.Backups(), 0u);
    EXPECT_TRUE(link.proxy.Writes().empty());
    const JsonValue line = home.AuditLines().at(0);
    EXPECT_EQ(line["result"].text, "failed");
    EXPECT_EQ(line["failure"].text, LoadString(kMsgDifferentDevice));

    // A backup that cannot be saved stops the download before its first write.
    test::WriteFile(BackupRootDirectory(), "not a folder");
    const std::string message = MessageOf([&] {
        RunSafeDownload(*link.client, test::ChangedEarlyAndLate(UploadOf(*link.client)), ui, view,
                        Request());
    });
    EXPECT_THAT(message, HasSubstr(LoadString(kTextSafeBackupFailed).substr(0, 30)));
    EXPECT_TRUE(link.proxy.Writes().empty());
    EXPECT_EQ(home.AuditLines().at(1)["failure"].text, message);
}

// The device lock is held across backup, download and read-back, and the passcode sequence
// inside does not take it a second time.
TEST(SafeDownload, ProtectedDeviceIsUnlockedOnlyForTheWritesAndVerified) {
    DataHome home;
    SimLink link(Meter(kPasscode));
    const ParameterImage changed = test::ChangedEarlyAndLate(UploadOf(*link.client));
    ScriptedInteraction ui;
    ui.passcode = kPasscode;
    CPlainDownloadView view;
    const SafeDownloadOutcome outcome = RunSafeDownload(*link.client, changed, ui, view, Request());
    EXPECT_EQ(outcome.result, SafeDownloadResult::Completed);
    EXPECT_EQ(outcome.verification, VerifyState::Matched);
    EXPECT_EQ(ui.passcodeQuestions, 1);
    EXPECT_FALSE(test::TryWrite(*link.client, 5200, 1));  // locked again

    ui.passcode = kPasscode + 1;
    const SafeDownloadOutcome refused = RunSafeDownload(*link.client, changed, ui, view, Request());
    EXPECT_EQ(refused.result, SafeDownloadResult::NotUnlocked);
    EXPECT_EQ(refused.verification, VerifyState::NotRun);
    EXPECT_EQ(home.AuditLines().at(1)["result"].text, "not unlocked");
}

}  // namespace
}  // namespace voltaro
