#include "core/device/bus_scan.h"

#include <chrono>
#include <thread>
#include <utility>

#include "core/comm/modbus_interface.h"
#include "core/comm/rtu_framing.h"
#include "core/device/device_identification.h"
#include "core/model/device_registers.h"
#include "core/model/model_list.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/scan_text_ids.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

// Exception codes of a gateway that reached no device.
constexpr int kExceptionGatewayPathUnavailable = 10;
constexpr int kExceptionGatewayTargetFailed = 11;
constexpr std::chrono::milliseconds kCancelRepeatEvery{2};
constexpr std::chrono::milliseconds kCancelRepeatFor{200};

}  // namespace

CBusScan::CBusScan(const CComSettings& base, ScanPlan plan)
    : base_(base), plan_(std::move(plan)), client_(base) {
    client_.settings.mode = base.mode == ModbusTcp ? ModbusTcp : ModbusRtu;
    client_.timeouts.attempts = 1;
}

CBusScan::~CBusScan() = default;

void CBusScan::Cancel() {
    cancelled_ = true;
    // The client clears an abort when its next request starts: one that lands between the
    // run's check and that start would be lost, so it is repeated until the run has ended.
    const auto until = std::chrono::steady_clock::now() + kCancelRepeatFor;
    client_.RequestAbort();
    while (running_ && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(kCancelRepeatEvery);
        client_.RequestAbort();
    }
}

ScanOutcome CBusScan::Run(IScanListener* listener) {
    ScanOutcome outcome;
    const bool tcp = client_.settings.mode == ModbusTcp;
    const std::vector<ScanLine> lines = tcp ? std::vector<ScanLine>{ScanLine{}} : plan_.lines;
    const std::size_t total = lines.size() * plan_.addresses.size();
    std::size_t done = 0;
    CAccessRight lock(client_);
    running_ = true;
    try {
        for (const ScanLine& line : lines) {
            if (cancelled_) break;
            client_.settings.baudrate = line.baudIndex;
            client_.settings.parity = line.parity;
            client_.settings.stop = line.stop;
            const uint32_t timeout =
                tcp ? plan_.timeoutMs
                    : ScanTimeoutMs(plan_.timeoutMs, BaudRateOfIndex(line.baudIndex));
            client_.timeouts.serialResponseMs = timeout;
            client_.timeouts.tcpResponseMs = timeout;
            client_.Open();
            for (int address : plan_.addresses) {
                if (cancelled_) break;
                if (listener) listener->OnScanProgress(done, total, line, address);
                client_.settings.address = address;
                Probe(client_, line, address, outcome, listener);
                ++done;
            }
            client_.Close();
        }
    } catch (const CCancelled&) {
        cancelled_ = true;
    } catch (...) {
        client_.Close();
        running_ = false;
        throw;
    }
    client_.Close();
    running_ = false;
    outcome.cancelled = cancelled_;
    if (listener && !outcome.cancelled)
        listener->OnScanProgress(total, total, lines.empty() ? ScanLine{} : lines.back(), 0);
    return outcome;
}

bool CBusScan::Probe(CModbusInterface& client, const ScanLine& line, int address,
                     ScanOutcome& outcome, IScanListener* listener) {
    ScanFinding finding;
    finding.settings = client.settings;
    finding.line = line;
    finding.address = address;
    uint16_t deviceId = 0;
    try {
        client.ReadHoldingRegisters(kDeviceIdRegister, 1, &deviceId);
    } catch (const CPrivateException& e) {
        // Silence means nobody is there, and so does a gateway's exception answer that it
        // has no path to the unit or the unit did not respond. Any other exception, a
        // damaged or a short answer comes from a device at this address.
        for (const auto& [failure, code] :
             {std::pair{ModbusFailure::Timeout, 0},
              std::pair{ModbusFailure::Exception, kExceptionGatewayPathUnavailable},
              std::pair{ModbusFailure::Exception, kExceptionGatewayTargetFailed}}) {
            if (e.Message() ==
                ModbusErrorMessage(kReadCommandName, kDeviceIdRegister, 1, failure, code))
                return false;
        }
        finding.reason = e.Message();
    }
    if (finding.reason.empty()) {
        try {
            const CDeviceType type = ReadFromDevice(client);
            finding.identified = true;
            finding.row = type.typeIndex;
            finding.model = ModelDisplayText(type);
        } catch (const CPrivateException& e) {
            finding.reason = e.Message();
        }
    }
    if (!finding.identified)
        finding.reason = FormatMessageId(kMsgScanNotIdentified, {finding.reason});
    outcome.found.push_back(finding);
    if (listener) listener->OnDeviceFound(finding);
    return true;
}

}  // namespace voltaro
