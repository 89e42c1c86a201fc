// Upload and Download of the parameter image.
#include "core/transfer/transfers.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>

#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/model/device_registers.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/trace.h"

namespace voltaro {
namespace {

uint16_t ReadOne(CModbusInterface& client, int address) {
    uint16_t value = 0;
    client.ReadHoldingRegisters(address, 1, &value);
    return value;
}

bool ReadSwapFlag(CModbusInterface& client) {
    return ReadOne(client, kWordOrderRegister) == 1;
}

void SwapPairs(uint16_t* words, int pairs) {
    for (int i = 0; i < pairs; ++i)
        std::swap(words[2 * i], words[2 * i + 1]);
}

double Percent(std::size_t index, std::size_t total) {
    return 100.0 * static_cast<double>(index + 1) / static_cast<double>(total);
}

// A failure whose message says all there is to say (the device's state after a partial
// write, a refusal before any write): passed on as it is, not as a communication error.
struct DeviceStateFailure : CPrivateException {
    using CPrivateException::CPrivateException;
};

// The message of a failed exchange: the device refused it (a value or register it does
// not take), or the link failed (address, port, cable, power).
std::string ExchangeFailureText(const CModbusInterface& client, const std::string& failure) {
    return FormatMessageId(
        client.LastFailureWasRefusal() ? kMsgDeviceRefused : kMsgCommunicationError, {failure});
}

// Runs a transfer step and turns every failure into kMsgCommunicationError (or
// kMsgDeviceRefused) naming the inner failure. The user's Cancel is no failure and passes
// as it is.
template <typename F>
bool Wrapped(const CModbusInterface& client, F&& body) {
    try {
        return body();
    } catch (const CCancelled&) {
        throw;
    } catch (const DeviceStateFailure&) {
        throw;
    } catch (const CPrivateException& e) {
        throw CPrivateException(ExchangeFailureText(client, e.Message()));
    } catch (const std::exception& e) {
        throw CPrivateException(FormatMessageId(kMsgCommunicationError, {std::string(e.what())}));
    }
}

bool UploadBody(ParameterImage& image, CModbusInterface& client, IProgressSink& progress) {
    bool swap = ReadSwapFlag(client);
    const CDeviceType identified = ReadFromDevice(client);
    image.deviceType = identified;
    // The ZC series keeps 32-bit values low half first whatever kWordOrderRegister says, and
    // Download never swaps for it: swapping here would turn every 32-bit value round on the
    // way back.
    if (identified.HasFeature(0, FAM_ZC)) swap = false;
    const int row = identified.typeIndex;
    if (row == 33 || row == 34) throw CPrivateException(kMsgZbLonWorksOnly);
    if (row == 59 || row == 65) throw CPrivateException(kMsgZcLonWorksOnly);

    const auto blocks = BlockTableFor(image.deviceType);
    const uint64_t features = image.deviceType.FeatureSet();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ParameterBlock& block = blocks[i];
        if (!block.AppliesTo(features)) continue;
        uint16_t* target = image.words.data() + block.word;
        client.ReadHoldingRegisters(block.address, block.Registers(), target);
        if (block.kind == 0) {
            if (block.word == kWordConfigurationMode) image.words[kWordConfigurationMode] &= 1;
        } else if (swap) {
            SwapPairs(target, block.count);
        }
        if (!progress.ReportProgress(Percent(i, blocks.size()))) return false;
    }
    progress.ReportProgress(100.0);
    return true;
}

void RefuseDifferentDevice(const ParameterImage& image, const CDeviceType& connected) {
    const CDeviceType& type = image.deviceType;
    type.Record();  // looks the row up when none is set yet
    if (type.typeIndex < 0 || type.typeIndex != connected.typeIndex)
        throw DeviceStateFailure(kMsgDifferentDevice);
}

void RefuseInvalidValues(const ParameterImage& image) {
    if (const std::optional<ParameterViolation> violation = FindInvalidParameter(image))
        throw DeviceStateFailure(ViolationMessage(image, *violation, kMsgDownloadNotAllowed));
}

bool DownloadBody(const ParameterImage& image, CModbusInterface& client, IProgressSink& progress) {
    RefuseInvalidValues(image);
    RefuseDifferentDevice(image, ReadFromDevice(client));
    const CDeviceType& type = image.deviceType;

    const bool zc = type.HasFeature(0, FAM_ZC);
    const bool swap = zc ? false : ReadSwapFlag(client);
    // KT2 firmware 1.00 and earlier takes one block per write request.
    const uint16_t firmware = ReadOne(client, kFirmwareVersionRegister);
    const bool singleBlock = type.HasFeature(0, FAM_KT2) && firmware <= 100;
    if (type.HasFeature(0, FAM_ZB | FAM_ZC)) {
        uint16_t mode = ReadOne(client, zc ? kZcModeRegister : kZbModeRegister);
        if ((mode & 1) != image.words[kWordConfigurationMode])
            throw CPrivateException(kMsgDipSwitchMismatch);
    }

    const auto blocks = BlockTableFor(type);
    const uint64_t features = type.FeatureSet();
    std::array<uint16_t, kGroupBufferRegisters> buffer{};
    int groupStart = -1;
    int groupWord = -1;
    bool written = false;  // a group reached the device
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ParameterBlock& block = blocks[i];
        if (!block.AppliesTo(features)) continue;
        if (!WrittenByDownload(block, image)) {
            groupStart = -1;  // a pending group is dropped unwritten
        } else {
            if (groupStart < 0) {
                groupStart = block.address;
                groupWord = block.word;
                buffer.fill(0);
            }
            const int offset = block.address - groupStart;
            const int registers = block.Registers();
            if (offset < 0 || offset + registers > kGroupBufferRegisters)
                throw CPrivateException("register group overflow at " +
                                        std::to_string(block.address + 1));
            std::copy_n(image.words.data() + block.word, registers, buffer.data() + offset);
            if (block.kind == 1 && swap) SwapPairs(buffer.data() + offset, block.count);
            if (block.endsGroup == 1 || singleBlock) {
                try {
                    client.WriteMultipleRegisters(groupStart, offset + registers, buffer.data());
                } catch (const CPrivateException& e) {
                    if (!written) throw;
                    // The device holds a mix of old and new values now: say so, and where.
                    throw DeviceStateFailure(FormatMessageId(
                        kMsgPartlyWritten,
                        {groupStart + 1, image.ParameterName(groupWord), e.Message()}));
                }
                written = true;
                groupStart = -1;
            }
        }
        if (!progress.ReportProgress(Percent(i, blocks.size()))) return false;
    }
    progress.ReportProgress(100.0);
    return true;
}

}  // namespace

bool Upload(ParameterImage& image, CModbusInterface& client, IProgressSink& progress) {
    return Wrapped(client, [&] { return UploadBody(image, client, progress); });
}

bool Download(const ParameterImage& image, CModbusInterface& client, IProgressSink& progress) {
    return Wrapped(client, [&] { return DownloadBody(image, client, progress); });
}

void CheckDownloadValues(const ParameterImage& image) {
    RefuseInvalidValues(image);
}

void CheckSameDeviceType(const ParameterImage& image, CModbusInterface& client) {
    RefuseDifferentDevice(image, ReadFromDevice(client));
}

bool WrittenByDownload(const ParameterBlock& block, const ParameterImage& image) {
    if (block.word == kWordConfigurationMode) return false;
    const CDeviceType& type = image.deviceType;
    const bool dipMode =
        type.HasFeature(0, FAM_ZB | FAM_ZC) && image.words[kWordConfigurationMode] == 0;
    return !(dipMode && SetByDipSwitches(block, type.HasFeature(0, FAM_ZC)));
}

}  // namespace voltaro
