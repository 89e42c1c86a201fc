// Progress bar, command-line passcode answers and option helpers.
#include "cli/cli_transfer_support.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <iterator>

#include "cli/cli_command.h"

#include "core/app/progress_view.h"
#include "core/device/passcode_store.h"
#include "core/model/device_type.h"
#include "core/model/model_list.h"
#include "core/platform/message_format.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "core/transfer/progress_thread.h"

namespace voltaro::cli {

ProgressBar::ProgressBar(std::string label)
    : label_(std::move(label)), enabled_(::isatty(2) == 1 && !QuietOutput()) {}

ProgressBar::~ProgressBar() {
    DetachAll();
}

void ProgressBar::Update(CObservable* source) {
    if (!enabled_) return;
    auto* thread = static_cast<CProgressThread*>(source);
    if (thread->Done()) {
        End();
        return;
    }
    Show(static_cast<int>(thread->Progress()));
}

void ProgressBar::End() {
    if (enabled_ && shown_ >= 0) std::fprintf(stderr, "\n");
    shown_ = -1;
}

void ProgressBar::Show(int percent) {
    if (!enabled_ || percent == shown_) return;
    shown_ = percent;
    constexpr int kWidth = 40;
    std::string bar(static_cast<size_t>(kWidth), ' ');
    for (int i = 0; i < percent * kWidth / 100; ++i)
        bar[static_cast<size_t>(i)] = '#';
    std::fprintf(stderr, "\r%s [%s] %3d%%", label_.c_str(), bar.c_str(), percent);
    std::fflush(stderr);
}

namespace {

std::atomic<CProgressThread*> runningTransfer{nullptr};

extern "C" void CancelOnInterrupt(int) {
    // Only atomic stores and a write() to the client's cancel event happen here.
    if (CProgressThread* thread = runningTransfer.load()) thread->Cancel();
}

}  // namespace

bool RunTransferWithProgress(CProgressThread& thread, ParameterImage* uploadTarget) {
    ProgressBar bar(LoadString(ProgressTextId(thread.GetDirection())));
    Attach(thread, bar);
    runningTransfer = &thread;
    // Ending the program (SIGTERM, a closed terminal's SIGHUP) cancels like Ctrl-C, so that a
    // protected download still locks the device again before the program ends.
    constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction action {};
    struct sigaction previous[std::size(kSignals)] = {};
    action.sa_handler = CancelOnInterrupt;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &previous[i]);
    auto restore = [&] {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &previous[i], nullptr);
        runningTransfer = nullptr;
    };
    bool result = false;
    try {
        result = RunTransfer(thread, uploadTarget);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return result;
}

bool CliDownloadView::TransferWithProgress(CModbusInterface& client, const ParameterImage& image) {
    CProgressThread thread(client, image, CProgressThread::kDownload);
    return RunTransferWithProgress(thread, nullptr);
}

bool CliDownloadView::UploadWithProgress(CModbusInterface& client, ParameterImage& image) {
    CProgressThread thread(client, image, CProgressThread::kUpload);
    return RunTransferWithProgress(thread, &image);
}

CliPasscodeInteraction::CliPasscodeInteraction(std::string command,
                                               std::optional<uint32_t> passcode, bool remember)
    : command_(std::move(command)), passcode_(passcode), remember_(remember) {}

std::optional<uint32_t> CliPasscodeInteraction::AskPasscode() {
    CUserProfile profile;
    if (passcode_) {
        if (remember_) {
            StoreRememberedPasscode(profile, *passcode_);
            if (!profile.Save())
                std::fprintf(stderr, "voltaro-cli %s: the passcode could not be remembered\n",
                             command_.c_str());
        }
        return passcode_;
    }
    if (auto remembered = LoadRememberedPasscode(profile)) return remembered;
    std::fprintf(stderr,
                 "voltaro-cli %s: the device is write protected; give --passcode N "
                 "(add --remember to keep it)\n",
                 command_.c_str());
    return std::nullopt;
}

void CliPasscodeInteraction::ShowError(const std::string& text) {
    shownError_ = true;
    std::fprintf(stderr, "voltaro-cli %s: %s\n", command_.c_str(), TerminalText(text).c_str());
}

std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name,
                                      std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) {
                error = FormatMessageId(kTextCliNeedsValue, {name});
                return std::nullopt;
            }
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            return value;
        }
        if (args[i].rfind(name + "=", 0) == 0) {
            std::string value = args[i].substr(name.size() + 1);
            args.erase(args.begin() + static_cast<long>(i));
            return value;
        }
    }
    return std::nullopt;
}

std::string UnknownOptionError(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return FormatMessageId(kTextCliUnknownOption, {arg.substr(0, arg.find('='))});
    return {};
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

std::optional<uint32_t> ParsePasscode(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

int UsageError(const char* command, const std::string& text) {
    std::fprintf(stderr, "voltaro-cli %s: %s\n", command, TerminalText(text).c_str());
    return kExitUsage;
}

int Failure(const char* command, const std::string& text) {
    std::fprintf(stderr, "voltaro-cli %s: %s\n", command, TerminalText(text).c_str());
    return kExitFailure;
}

std::string TerminalText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

std::string ModelText(const CDeviceType& type) {
    const std::string text = ModelDisplayText(type);
    return text.empty() ? "not listed" : text;
}

}  // namespace voltaro::cli
