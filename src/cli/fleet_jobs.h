#pragma once
// The work voltaro-cli fleet does on one device for each of its commands. Each job calls the
// core functions the single-device command calls and returns its result as text, so that
// the output of devices running in parallel never interleaves.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/fleet_run.h"
#include "core/files/safe_download.h"
#include "core/model/parameter_image.h"

namespace voltaro::cli {

struct FleetCommand {
    enum Kind { kIdentify, kUpload, kCompare, kDownload, kMonitor, kClock };
    Kind kind = kIdentify;
    std::string path;      // upload, monitor: the directory; compare, download: the file
    ParameterImage image;  // compare, download: the file, read once before the run
    std::optional<uint32_t> passcode;  // download, clock: --passcode, else the remembered one
    // download: backup and read-back by link kind (ModbusRtu, ModbusTcp, Infrared), from the
    // profile and --no-backup / --no-verify
    SafeDownloadOptions safety[3];
    // Set by a second Ctrl-C: running transfers stop at their next step (and still lock the
    // device again), as the single-device commands do on the first.
    const std::atomic<bool>* abort = nullptr;
};

// The job of command for RunFleet; command must outlive the run.
FleetJob MakeFleetJob(const FleetCommand& command);

// The file of device in directory: DIR/NAME.EXTENSION.
std::string FleetDeviceFile(const std::string& directory, const std::string& device,
                            const char* extension);

}  // namespace voltaro::cli
