#pragma once
// The bus scan: one identification probe per (line setting, address) with a short time-out
// and no retries, over one serial port or one TCP gateway. A device that answers is
// identified with the catalogue; one that answers with an exception or a malformed answer
// is still found (something is at that address) but reported as not identified.
#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/comm/modbus_interface.h"
#include "core/device/scan_plan.h"

namespace voltaro {

struct ScanFinding {
    CComSettings settings;  // the connection that reached it: line settings and address
    ScanLine line;          // the line setting (meaningless over TCP)
    int address = 0;        // device address or unit id
    bool identified = false;
    int row = -1;        // catalogue row when identified
    std::string model;   // catalogue model text (may be empty for an unlisted row)
    std::string reason;  // why it is not identified
};

// Told on the scanning thread.
class IScanListener {
  public:
    virtual ~IScanListener() = default;
    // Before probe `done` + 1 of `total`, and once with done == total at the end.
    virtual void OnScanProgress(std::size_t done, std::size_t total, const ScanLine& line,
                                int address) = 0;
    virtual void OnDeviceFound(const ScanFinding& finding) = 0;
};

struct ScanOutcome {
    std::vector<ScanFinding> found;
    bool cancelled = false;
};

class CBusScan {
  public:
    // base: the port or host to scan (its line settings and address are replaced).
    CBusScan(const CComSettings& base, ScanPlan plan);
    ~CBusScan();
    CBusScan(const CBusScan&) = delete;
    CBusScan& operator=(const CBusScan&) = delete;

    // Runs the whole plan on the calling thread. Failing to open the port or to connect
    // throws CPrivateException; a Cancel ends the run with what was found so far.
    ScanOutcome Run(IScanListener* listener);
    // From any thread (not from a signal handler): ends the run at once, a probe in flight
    // included. Returns when the run has let go of the link (a few milliseconds at most).
    void Cancel();
    // The client that the run uses: an abort of it (RequestAbort) ends the run like Cancel.
    CModbusInterface& Client() { return client_; }

  private:
    // One probe at the client's current settings; true when something answered.
    bool Probe(CModbusInterface& client, const ScanLine& line, int address, ScanOutcome& outcome,
               IScanListener* listener);

    CComSettings base_;
    ScanPlan plan_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> running_{false};
    CModbusInterface client_;
};

}  // namespace voltaro
