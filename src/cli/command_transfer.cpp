// voltaro-cli upload / download / compare / report: whole parameter sets between the
// device and configuration files, the comparison and the parameter report.
#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "cli/safe_download_report.h"
#include "core/app/recent_files.h"
#include "core/comm/modbus_interface.h"
#include "core/files/config_file.h"
#include "core/files/parameter_report.h"
#include "core/files/safe_download.h"
#include "core/model/parameter_image.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "core/transfer/progress_thread.h"

namespace voltaro::cli {
namespace {

// Heading of the device's value column.
std::string DeviceTitle() {
    std::string title = LoadString(kTextDevice);
    return title.empty() ? "Device" : title;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// Reads the device into image under a progress bar; false when cancelled.
bool UploadDevice(const CComSettings& settings, ParameterImage& image) {
    CModbusInterface client(settings);
    CProgressThread thread(client, image, CProgressThread::kUpload);
    return RunTransferWithProgress(thread, &image);
}

int RunUploadCommand(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("upload", parsed.error);
    const bool timing = TakeFlag(parsed.rest, "--timing");
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("upload", unknown);
    if (parsed.rest.size() != 1) return UsageError("upload", "needs FILE.cfg");
    try {
        CheckSaveFile(parsed.rest[0]);  // before the device is read
        ParameterImage image;
        const auto start = std::chrono::steady_clock::now();
        if (!UploadDevice(parsed.settings, image))
            return Failure("upload", LoadString(kTextCliCancelled));
        // The transfer alone (connect, reads, close), without program start and file.
        if (timing)
            std::fprintf(
                stderr, "upload time: %.3f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        SaveConfigFile(parsed.rest[0], image);
        if (!QuietOutput())
            std::printf("%s\n", FormatMessageId(kTextCliUploaded,
                                                {image.deviceType.typeIndex,
                                                 ModelText(image.deviceType), parsed.rest[0]})
                                    .c_str());
    } catch (const CPrivateException& e) {
        return Failure("upload", e.Message());
    }
    return kExitOk;
}

int RunDownloadCommand(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("download", parsed.error);
    std::string error;
    std::optional<std::string> passcodeText = TakeOption(parsed.rest, "--passcode", error);
    bool remember = TakeFlag(parsed.rest, "--remember");
    const bool noBackup = TakeFlag(parsed.rest, "--no-backup");
    const bool noVerify = TakeFlag(parsed.rest, "--no-verify");
    if (!error.empty()) return UsageError("download", error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("download", unknown);
    std::optional<uint32_t> passcode;
    if (passcodeText && !(passcode = ParsePasscode(*passcodeText)))
        return UsageError("download", "--passcode must be 0 to 999999999");
    if (parsed.rest.size() != 1) return UsageError("download", "needs FILE.cfg");
    try {
        ParameterImage image;
        LoadConfigFile(parsed.rest[0], image);
        SafeDownloadRequest request;
        request.sourceFile = AbsolutePath(parsed.rest[0]);
        // Downloading a backup restores it: the half-written state is not backed up again.
        request.restore = IsBackupFile(parsed.rest[0]);
        request.options = LoadSafeDownloadOptions(CUserProfile(), parsed.settings.mode);
        if (noBackup || request.restore) request.options.backup = false;
        if (noVerify) request.options.verify = false;
        CModbusInterface client(parsed.settings);
        CliPasscodeInteraction ui("download", passcode, remember);
        CliDownloadView view;
        const SafeDownloadOutcome outcome = RunSafeDownload(client, image, ui, view, request);
        return ReportSafeDownload(outcome, parsed.rest[0], request.restore);
    } catch (const CPrivateException& e) {
        return Failure("download", e.Message());
    }
}

void PrintDifferences(const CParameterReport& report, const ReportListing& listing) {
    std::printf("group\tname\tPC\t%s\n", report.OtherTitle().c_str());
    for (const ReportRow& row : listing.rows)
        if (row.state == RowState::Different)
            std::printf("%s\t%s\t%s\t%s\n", row.groupName.c_str(), row.name.c_str(),
                        row.pcText.c_str(), row.otherText.c_str());
}

int RunCompareCommand(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("compare", parsed.error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("compare", unknown);
    if (parsed.rest.empty() || parsed.rest.size() > 2)
        return UsageError("compare", "needs FILE.cfg [OTHER.cfg]");
    try {
        ParameterImage pc;
        LoadConfigFile(parsed.rest[0], pc);
        ParameterImage other;
        std::string title;
        if (parsed.rest.size() == 2) {
            LoadConfigFile(parsed.rest[1], other);
            title = FileNameOf(parsed.rest[1]);
        } else {
            if (!UploadDevice(parsed.settings, other))
                return Failure("compare", LoadString(kTextCliCancelled));
            title = DeviceTitle();
        }
        CParameterReport report(pc);
        report.CompareWith(other, title);
        ReportListing listing = report.Build(false);
        if (listing.mismatchCount) PrintDifferences(report, listing);
        std::printf("%s\n", report.StatusText(listing).c_str());
        return listing.mismatchCount ? kExitDifferences : kExitOk;
    } catch (const CPrivateException& e) {
        return Failure("compare", e.Message());
    }
}

int RunReportCommand(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("report", parsed.error);
    std::string error;
    std::optional<std::string> csv = TakeOption(parsed.rest, "--csv", error);
    bool device = TakeFlag(parsed.rest, "--device");
    bool all = TakeFlag(parsed.rest, "--all");
    if (!error.empty()) return UsageError("report", error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("report", unknown);
    if (parsed.rest.size() > 1 || (parsed.rest.empty() && !device))
        return UsageError("report", "needs FILE.cfg, --device or both");
    try {
        // The files first: a file that cannot be read or written costs no device access.
        ParameterImage pc;
        if (!parsed.rest.empty()) LoadConfigFile(parsed.rest[0], pc);
        if (csv) CheckSaveFile(*csv);
        ParameterImage fromDevice;
        if (device && !UploadDevice(parsed.settings, fromDevice))
            return Failure("report", LoadString(kTextCliCancelled));
        if (parsed.rest.empty()) pc = fromDevice;
        CParameterReport report(pc);
        // A file and the device: the report compares them.
        if (device && !parsed.rest.empty()) report.CompareWith(fromDevice, DeviceTitle());
        const bool hide = !all;
        ReportListing listing = report.Build(hide);
        if (csv) {
            setlocale(LC_CTYPE, "");
            report.ExportCsv(*csv, hide);
        } else {
            std::printf("group\tname\tPC%s%s\n", report.Compared() ? "\t" : "",
                        report.OtherTitle().c_str());
            for (const ReportRow& row : listing.rows) {
                std::printf("%s\t%s\t%s", row.groupName.c_str(), row.name.c_str(),
                            row.pcText.c_str());
                if (report.Compared()) std::printf("\t%s", row.otherText.c_str());
                std::printf("%s\n", row.state == RowState::Different ? "\t*" : "");
            }
        }
        if (report.Compared()) std::printf("%s\n", report.StatusText(listing).c_str());
        return listing.mismatchCount ? kExitDifferences : kExitOk;
    } catch (const CPrivateException& e) {
        return Failure("report", e.Message());
    }
}

const CommandRegistrar kUpload("upload",
                               std::string("upload FILE.cfg [--timing] ") +
                                   ConnectionOptionsUsage(),
                               RunUploadCommand);
const CommandRegistrar kDownload(
    "download",
    std::string("download FILE.cfg [--passcode N] [--remember] [--no-backup] "
                "[--no-verify] ") +
        ConnectionOptionsUsage(),
    RunDownloadCommand);
const CommandRegistrar kCompare("compare",
                                std::string("compare FILE.cfg [OTHER.cfg]  (exit 3 on "
                                            "differences) ") +
                                    ConnectionOptionsUsage(),
                                RunCompareCommand);
const CommandRegistrar kReport(
    "report",
    std::string("report [FILE.cfg] [--device] [--csv OUT.csv] [--all] ") + ConnectionOptionsUsage(),
    RunReportCommand);

}  // namespace
}  // namespace voltaro::cli
