#pragma once
// Configuration files (.cfg): a private-profile file with one section, "KT2CFG", holding
// the device type's identification and one key per register value, named after the
// register address ("L5200"), so that a file follows the device's register map.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/device_type.h"

namespace voltaro {

class ParameterImage;
class CIniFile;

constexpr const char* kConfigSection = "KT2CFG";

// Writes image to path; other sections and keys of an existing file are kept, and the
// file is replaced in one write (a failed save leaves the old file). Throws
// CPrivateException kMsgSaveError with the system's text on failure.
bool SaveConfigFile(const std::string& path, const ParameterImage& image);
// Throws what a save to path would throw when path is no file that can be saved to (a
// device node, a FIFO, a directory, a file the user may not write), writing nothing:
// commands check their output files before they talk to a device.
void CheckSaveFile(const std::string& path);
// Reads path onto a fresh default image and, only when the whole file is valid, makes
// that the new image. Throws kMsgLoadError (system error, not a regular file, too large)
// or the failures of ReadConfig.
bool LoadConfigFile(const std::string& path, ParameterImage& image);

// The device type of a configuration's identification values. Throws
// kMsgUnknownDeviceType for a Model that no catalogue row has, kMsgNoDeviceTypeRow for
// values that match no row.
CDeviceType ConfigDeviceType(uint16_t id, uint16_t extension, uint16_t version,
                             const std::array<uint16_t, 5>& io);

// The same on an INI object already in memory (the file functions wrap these).
void StoreConfig(CIniFile& ini, const ParameterImage& image);
// Throws kMsgInvalidFileFormat for a missing, empty or malformed key; kMsgValueDoesNotFit
// for a value that does not fit its register; kMsgUnknownDeviceType for a Model that no
// catalogue row has; kMsgParameterNotAllowed (FindInvalidParameter) for a value the
// parameter may not hold.
ParameterImage ReadConfig(const CIniFile& ini);

}  // namespace voltaro
