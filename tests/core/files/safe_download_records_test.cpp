// The records of a safe download: where backups go and how they are named, the audit line
// and its appends from several processes, the comparison behind the read-back, and the
// options kept in the profile.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/files/config_file.h"
#include "core/files/download_records.h"
#include "core/files/safe_download.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/profile.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "support/json_value.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::JsonReader;
using test::JsonValue;
using test::ScopedEnv;
using test::TempDir;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

constexpr int kMeterRow = 40;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::chrono::system_clock::time_point At(std::time_t seconds) {
    return std::chrono::system_clock::from_time_t(seconds);
}

TEST(SafeDownloadRecords, PlacesFollowXdgDataHomeElseHome) {
    TempDir dir;
    {
        ScopedEnv data("XDG_DATA_HOME", dir.Path().c_str());
        EXPECT_EQ(BackupRootDirectory(), dir.Path() + "/voltaro/backups");
        EXPECT_EQ(AuditLogPath(), dir.Path() + "/voltaro/audit.log");
    }
    ScopedEnv home("HOME", dir.Path().c_str());
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        ScopedEnv data("XDG_DATA_HOME", value);
        EXPECT_EQ(AuditLogPath(), dir.Path() + "/.local/share/voltaro/audit.log");
    }
}

TEST(SafeDownloadRecords, SerialBecomesOneSafeFileName) {
    EXPECT_EQ(SafeSerialName("A1234567"), "A1234567");
    EXPECT_EQ(SafeSerialName(""), "unknown");
    EXPECT_EQ(SafeSerialName(".."), "_.");
    EXPECT_EQ(SafeSerialName("../../etc"), "_._.._etc");
    EXPECT_EQ(SafeSerialName(".hidden"), "_hidden");
    EXPECT_EQ(SafeSerialName("a/b c\n\xff"), "a_b_c__");
    EXPECT_EQ(SafeSerialName(std::string(300, 'x')).size(), 64u);
}

TEST(SafeDownloadRecords, BackupIsPrivateTimeStampedAndNeverReplaced) {
    TempDir dir;
    ScopedEnv data("XDG_DATA_HOME", dir.File("data").c_str());
    const ParameterImage image = DefaultImageOfRow(kMeterRow);
    const auto time = At(1796684712);  // 2026-12-07 23:05:12 UTC
    EXPECT_EQ(BackupFileName(time), "20261207T230512Z.cfg");

    const std::string first = SaveBackup(image, "SN/42", time);
    const std::string second = SaveBackup(image, "SN/42", time);
    const std::string folder = dir.File("data/voltaro/backups/SN_42");
    EXPECT_EQ(first, folder + "/20261207T230512Z.cfg");
    EXPECT_EQ(second, folder + "/20261207T230512Z-2.cfg");
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(dir.File("data/voltaro/backups")), 0700u);
    EXPECT_EQ(ModeOf(dir.File("data/voltaro")), 0700u);

    ParameterImage back;
    LoadConfigFile(second, back);
    EXPECT_EQ(back.words, image.words);
    EXPECT_EQ(back.deviceType.typeIndex, kMeterRow);

    EXPECT_TRUE(IsBackupFile(first));
    // A sibling folder whose name merely starts like the backup folder holds no backup.
    ::mkdir(dir.File("data/voltaro/backups-other").c_str(), 0700);
    SaveConfigFile(dir.File("data/voltaro/backups-other/x.cfg"), image);
    EXPECT_FALSE(IsBackupFile(dir.File("data/voltaro/backups-other/x.cfg")));
    EXPECT_FALSE(IsBackupFile(dir.File("missing.cfg")));
}

// Fleet runs back devices up in parallel; devices without a serial share one folder.
TEST(SafeDownloadRecords, BackupsMadeAtOnceInOneSecondEachGetTheirOwnFile) {
    TempDir dir;
    ScopedEnv data("XDG_DATA_HOME", dir.File("data").c_str());
    const ParameterImage image = DefaultImageOfRow(kMeterRow);
    std::vector<std::string> paths(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < paths.size(); ++i)
        threads.emplace_back([&, i] { paths[i] = SaveBackup(image, "", At(1796684712)); });
    for (std::thread& thread : threads)
        thread.join();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(std::unique(paths.begin(), paths.end()), paths.end());
    for (const std::string& path : paths) {
        ParameterImage back;
        LoadConfigFile(path, back);
        EXPECT_EQ(back.words, image.words) << path;
    }
}

TEST(SafeDownloadRecords, BackupFailsWhenItsFolderCannotBeMade) {
    TempDir dir;
    test::WriteFile(dir.File("data"), "a file where the folder should be");
    ScopedEnv data("XDG_DATA_HOME", dir.File("data").c_str());
    const std::string message =
        test::MessageOf([&] { SaveBackup(DefaultImageOfRow(kMeterRow), "S", At(0)); });
    EXPECT_THAT(message, HasSubstr(dir.File("data")));
    EXPECT_NE(message, test::kNoException);
}

AuditRecord FullRecord() {
    AuditRecord r;
    r.time = At(1796684712) + std::chrono::milliseconds(250);
    r.operation = "restore";
    r.device = "tcp 127.0.0.1:1502 unit 3";
    r.model = "KT6 \"quoted\"";
    r.serial = "SN42";
    r.source = "/home/u/a b.cfg";
    r.backup = "/home/u/.local/share/voltaro/backups/SN42/x.cfg";
    r.parametersChanged = 7;
    r.verification = VerifyState::Mismatched;
    r.mismatches = 2;
    r.differing = {"CT primary", "PT ratio"};
    r.result = "failed";
    r.failure = "first line\r\nsecond line\ttab";
    return r;
}

TEST(SafeDownloadRecords, AuditLineIsOneLineOfJsonWithEveryField) {
    const std::string line = AuditLine(FullRecord());
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find('\r'), std::string::npos);
    const JsonValue v = JsonReader::Parse(line);
    EXPECT_EQ(v["time"].text, "2026-12-07T23:05:12.250Z");
    EXPECT_EQ(v["operation"].text, "restore");
    EXPECT_EQ(v["device"].text, "tcp 127.0.0.1:1502 unit 3");
    EXPECT_EQ(v["model"].text, "KT6 \"quoted\"");
    EXPECT_EQ(v["serial"].text, "SN42");
    EXPECT_EQ(v["source"].text, "/home/u/a b.cfg");
    EXPECT_EQ(v["backup"].text, FullRecord().backup);
    EXPECT_EQ(v["parameters_changed"].number, 7);
    EXPECT_EQ(v["verification"].text, "mismatch");
    EXPECT_EQ(v["mismatches"].number, 2);
    ASSERT_EQ(v["differing"].items.size(), 2u);
    EXPECT_EQ(v["differing"].items[1].text, "PT ratio");
    EXPECT_EQ(v["result"].text, "failed");
    EXPECT_EQ(v["failure"].text, "first line\r\nsecond line\ttab");

    AuditRecord bare;
    const JsonValue b = JsonReader::Parse(AuditLine(bare));
    EXPECT_EQ(b["backup"].type, JsonValue::Type::Null);
    EXPECT_EQ(b["parameters_changed"].type, JsonValue::Type::Null);
    EXPECT_EQ(b["verification"].text, "off");
}

// Two processes append long lines at once: every line stays whole.
TEST(SafeDownloadRecords, TwoWritersNeverInterleaveLines) {
    TempDir dir;
    const std::string log = dir.File("new/folder/audit.log");
    constexpr int kLines = 300;
    std::vector<pid_t> children;
    for (char writer : {'a', 'b'}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            AuditRecord r = FullRecord();
            r.failure = std::string(6000, writer);  // longer than a pipe's atomic write
            bool ok = true;
            for (int i = 0; i < kLines; ++i)
                ok = AppendAuditLine(log, AuditLine(r)).empty() && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(ModeOf(log), 0600u);
    EXPECT_EQ(ModeOf(dir.File("new/folder")), 0700u);
    std::istringstream in(test::ReadFile(log));
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        const std::string failure = JsonReader::Parse(line)["failure"].text;
        ASSERT_EQ(failure.size(), 6000u);
        EXPECT_EQ(failure.find_first_not_of(failure[0]), std::string::npos) << "line " << lines;
    }
    EXPECT_EQ(lines, 2 * kLines);
}

TEST(SafeDownloadRecords, AppendTellsWhyItFailed) {
    TempDir dir;
    ::mkdir(dir.File("log.d").c_str(), 0700);
    EXPECT_FALSE(AppendAuditLine(dir.File("log.d"), "{}").empty());  // a folder
    EXPECT_TRUE(AppendAuditLine(dir.File("audit.log"), "{}").empty());
    EXPECT_EQ(test::ReadFile(dir.File("audit.log")), "{}\n");
}

// The first written block of the image that holds a 16-bit value, and one with 32-bit values.
const ParameterBlock& FirstWrittenBlock(const ParameterImage& image, int kind) {
    for (const ParameterBlock& b : BlockTableFor(image.deviceType))
        if (b.AppliesTo(image.deviceType.FeatureSet()) && b.kind == kind &&
            b.word != kWordConfigurationMode)
            return b;
    throw std::logic_error("no such block");
}

TEST(SafeDownloadVerify, ComparesEveryWrittenValueOnce) {
    const ParameterImage written = DefaultImageOfRow(kMeterRow);
    EXPECT_TRUE(CompareWrittenValues(written, written).empty());

    ParameterImage device = written;
    const ParameterBlock& narrow = FirstWrittenBlock(written, 0);
    const ParameterBlock& wide = FirstWrittenBlock(written, 1);
    device.words[static_cast<std::size_t>(narrow.word)] ^= 1;
    // Only the high half of a 32-bit value differs: one difference with the whole value.
    device.Set32(wide.word, written.Get32(wide.word) + 0x10000);
    // Not written by a download: never a difference.
    device.words[kWordConfigurationMode] ^= 1;

    const auto differences = CompareWrittenValues(written, device);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].word, std::min(narrow.word, wide.word));
    for (const ParameterDifference& d : differences) {
        EXPECT_EQ(d.name, written.ParameterName(d.word));
        EXPECT_NE(d.written, d.device);
        if (d.word == wide.word) {
            EXPECT_EQ(d.device - d.written, 0x10000u);
        }
    }
}

TEST(SafeDownloadVerify, DipModeSkipsTheValuesTheSwitchesSet) {
    const int row = test::RowWith(0, FAM_ZB);
    ParameterImage written = DefaultImageOfRow(row);
    ParameterImage device = written;
    device.words[kWordSystem] ^= 1;
    written.words[kWordConfigurationMode] = 1;  // software mode: the system is written
    device.words[kWordConfigurationMode] = 1;
    EXPECT_EQ(CompareWrittenValues(written, device).size(), 1u);
    written.words[kWordConfigurationMode] = 0;  // DIP mode: the switches set it
    EXPECT_TRUE(CompareWrittenValues(written, device).empty());
}

TEST(SafeDownloadVerify, TextsNameCountAndFirstParameters) {
    SafeDownloadOutcome outcome;
    for (int i = 0; i < 7; ++i)
        outcome.differences.push_back({i, "P" + std::to_string(i), 0, 1});
    outcome.verification = VerifyState::Mismatched;
    EXPECT_EQ(DifferingNamesText(outcome.differences),
              "P0, P1, P2, P3, P4, " + FormatMessageId(kTextSafeMoreDiffering, {2}));
    EXPECT_THAT(VerificationText(outcome), HasSubstr("7"));
    EXPECT_THAT(VerificationText(outcome), HasSubstr("P0, P1"));
    EXPECT_FALSE(ShouldOfferRestore(outcome));  // nothing to restore without a backup
    outcome.backupFile = "/b.cfg";
    EXPECT_TRUE(ShouldOfferRestore(outcome));
    outcome.verification = VerifyState::Matched;
    EXPECT_FALSE(ShouldOfferRestore(outcome));
    outcome.result = SafeDownloadResult::Failed;  // failed part-way, read-back agreed or off
    EXPECT_TRUE(ShouldOfferRestore(outcome));
}

TEST(SafeDownloadVerify, OnlyAConfirmedDownloadSucceedsAndAPartWayCancelOffersTheBackup) {
    SafeDownloadOutcome outcome;
    for (VerifyState state : {VerifyState::Matched, VerifyState::Off}) {
        outcome.verification = state;
        EXPECT_TRUE(DownloadConfirmed(outcome));
    }
    for (VerifyState state : {VerifyState::Mismatched, VerifyState::NotRead, VerifyState::NotRun}) {
        outcome.verification = state;
        EXPECT_FALSE(DownloadConfirmed(outcome));
    }
    outcome.result = SafeDownloadResult::Failed;
    outcome.verification = VerifyState::Matched;
    EXPECT_FALSE(DownloadConfirmed(outcome));

    outcome.backupFile = "/b.cfg";
    outcome.result = SafeDownloadResult::Cancelled;
    outcome.verification = VerifyState::NotRun;
    EXPECT_FALSE(ShouldOfferRestore(outcome)) << "cancelled before writing: nothing changed";
    outcome.writingBegan = true;
    EXPECT_TRUE(ShouldOfferRestore(outcome));
    EXPECT_FALSE(DownloadConfirmed(outcome));
}

TEST(SafeDownloadOptions, InfraredVerifiesOnlyAndEachLinkKeepsItsBackupSetting) {
    TempDir dir;
    CUserProfile profile(dir.File("profile.ini"));
    EXPECT_TRUE(LoadSafeDownloadOptions(profile, ModbusTcp).backup);
    EXPECT_TRUE(LoadSafeDownloadOptions(profile, ModbusRtu).verify);
    EXPECT_FALSE(LoadSafeDownloadOptions(profile, Infrared).backup);
    EXPECT_TRUE(LoadSafeDownloadOptions(profile, Infrared).verify);

    StoreSafeDownloadOptions(profile, ModbusRtu, {false, false});
    ASSERT_TRUE(profile.Save());
    const CUserProfile again(dir.File("profile.ini"));
    EXPECT_FALSE(LoadSafeDownloadOptions(again, ModbusTcp).backup);
    EXPECT_FALSE(LoadSafeDownloadOptions(again, ModbusTcp).verify);
    EXPECT_FALSE(LoadSafeDownloadOptions(again, Infrared).verify);
    StoreSafeDownloadOptions(profile, Infrared, {true, true});
    EXPECT_TRUE(LoadSafeDownloadOptions(profile, Infrared).backup);
    EXPECT_FALSE(LoadSafeDownloadOptions(profile, ModbusRtu).backup);
}

}  // namespace
}  // namespace voltaro
