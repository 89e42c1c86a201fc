#pragma once
// Pieces shared by the voltaro-cli commands that transfer parameters or touch the
// protection: the progress bar, the passcode answers and small option parsers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/device/passcode_interaction.h"
#include "core/files/safe_download.h"
#include "core/transfer/progress_thread.h"
#include "core/transfer/protected_download.h"
#include "core/work/observer.h"

namespace voltaro {
class CDeviceType;
class CModbusInterface;
class ParameterImage;
}  // namespace voltaro

namespace voltaro::cli {

// Draws a progress bar on stderr while a transfer runs, when stderr is a terminal.
class ProgressBar : public CObserver {
  public:
    explicit ProgressBar(std::string label);
    ~ProgressBar() override;
    void Update(CObservable* source) override;
    // Draws the bar at percent (0-100); End finishes its line. For work that is no transfer.
    void Show(int percent);
    void End();

  private:
    std::string label_;
    bool enabled_;
    int shown_ = -1;
};

// Runs a transfer thread (not started yet) under a progress bar labelled as the progress
// dialog is; Ctrl-C (SIGINT), SIGTERM and SIGHUP cancel it like the Cancel button, so that the link
// is closed and the caller can still relock the device. Returns false when cancelled; failures
// throw as RunTransfer does (an upload's image is copied into uploadTarget).
bool RunTransferWithProgress(CProgressThread& thread, ParameterImage* uploadTarget);

// voltaro-cli's part of the (safe) protected download: the progress bars.
class CliDownloadView : public ISafeDownloadView {
  public:
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override;
    bool UploadWithProgress(CModbusInterface& client, ParameterImage& image) override;
    void ShowBusy(bool) override {}
};

// Passcode answers from the command line: --passcode N, else the remembered passcode;
// --remember stores the given passcode. Errors go to stderr.
class CliPasscodeInteraction : public IPasscodeInteraction {
  public:
    CliPasscodeInteraction(std::string command, std::optional<uint32_t> passcode, bool remember);
    std::optional<uint32_t> AskPasscode() override;
    std::optional<ProtectionChange> AskProtection() override { return change; }
    void ShowError(const std::string& text) override;
    bool Confirm(const std::string&) override { return true; }

    std::optional<ProtectionChange> change;
    bool ShownError() const { return shownError_; }

  private:
    std::string command_;
    std::optional<uint32_t> passcode_;
    bool remember_;
    bool shownError_ = false;
};

// Takes "--name VALUE" / "--name=VALUE" out of args; nullopt when absent. A present
// option without a value sets error.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name,
                                      std::string& error);
// "unknown option --x" for the first argument left in args that looks like an option
// (starts with "-" and is more than "-"); empty when there is none. Commands call it
// after taking their own options, so that a mistyped option is not taken for a file or
// reported as a missing argument.
std::string UnknownOptionError(const std::vector<std::string>& args);
// Takes a flag out of args.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);
// A passcode 0 .. 999999999 in decimal.
std::optional<uint32_t> ParsePasscode(const std::string& text);

// Print "voltaro-cli COMMAND: text" on stderr, the message's line breaks (CR, CR LF)
// as the terminal's; UsageError returns kExitUsage, Failure kExitFailure.
int UsageError(const char* command, const std::string& text);
int Failure(const char* command, const std::string& text);
// A message's text with every line break (CR LF, a lone CR) as LF.
std::string TerminalText(const std::string& text);

// The catalogue's model text of type on one line ("not listed" when it has none), as
// every command prints it.
std::string ModelText(const CDeviceType& type);

}  // namespace voltaro::cli
