#pragma once
// Whole-parameter-set transfers between a parameter image and a device: Upload reads
// every block of the register map that applies to the identified device type, Download
// writes them back, merging adjacent blocks into one write request. Both report their
// progress to a sink that can ask them to stop.
#include <cstdint>

namespace voltaro {

class CModbusInterface;
class ParameterImage;
struct ParameterBlock;

// Receives a transfer's progress (0 to 100) after each step; false asks it to stop.
class IProgressSink {
  public:
    virtual ~IProgressSink() = default;
    virtual bool ReportProgress(double percent) = 0;
};

// Largest register span of one download write group.
constexpr int kGroupBufferRegisters = 128;

// Reads the device into image (its device type becomes the identified one). True when
// complete, false when the sink asked to stop (the blocks read so far stay in image).
// Failures throw CPrivateException kMsgCommunicationError naming the inner failure;
// CCancelled (a read cut short by the user's Cancel) passes through unwrapped.
bool Upload(ParameterImage& image, CModbusInterface& client, IProgressSink& progress);
// Writes image to the device; refuses a different device (kMsgDifferentDevice) or a
// mismatching configuration mode (kMsgDipSwitchMismatch) before writing anything. Result and
// failures as Upload.
bool Download(const ParameterImage& image, CModbusInterface& client, IProgressSink& progress);

// The checks Download makes before its first write, for callers that write to the device
// before the transfer (the unlock of a protected download) and must refuse first:
// kMsgDownloadNotAllowed naming the first word of image that holds a value its definition
// refuses (the rule by which files are refused, FindInvalidParameter) ...
void CheckDownloadValues(const ParameterImage& image);
// ... and kMsgDifferentDevice when the device on client (identified here, link open) is of
// another catalogue row than image.
void CheckSameDeviceType(const ParameterImage& image, CModbusInterface& client);

// Whether Download writes block of image's table: not the configuration mode word, and in
// DIP mode (the image's mode word, which Download checks against the device) not the values
// that the switches set. Verification compares exactly these blocks.
bool WrittenByDownload(const ParameterBlock& block, const ParameterImage& image);

}  // namespace voltaro
