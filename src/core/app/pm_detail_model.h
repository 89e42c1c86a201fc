#pragma once
// The channel detail window's cycle without its widgets: it alternates the value read of
// the tab shown (Trend, Max or Min) with the THD and harmonics read, fills the max/min
// page after a value read and the THD grid and harmonics graph after a THD read, and
// closes once the executor is idle after Cancel. Also the caption and the THD grid's
// choice of the harmonic set.
#include <string>

#include "core/app/monitor_status.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/zc_registers.h"

namespace voltaro {

class CModbusInterface;

// One read of the detail: a value read (Trend, Max or Min) or the THD read.
struct DetailRead {
    bool thd = false;
    int view = kZcDetailTrend;  // ZcDetailRead of a value read
    int harmonicSet = 0;        // of a THD read
    bool operator==(const DetailRead&) const = default;
};

// Runs one read with the client's lock and the link open; false on a communication error.
bool RunDetailRead(CModbusInterface& client, CMeasurandsKT2& store, int channel,
                   const DetailRead& read);

struct DetailUpdate {
    bool closeWhenIdle = false;  // Cancel was pressed: close with OK once the executor idles
    bool fillMaxMin = false;     // fill the max/min page, enable the tab control
    bool fillThd = false;        // fill the THD grid
    bool fillHarmonics = false;  // copy the selected set into the graph (it was read)
    bool trendValues = false;    // the trend chart takes a sample of the present values
    bool trendThd = false;       // ... or of the THD values
    DetailRead next;             // queue this read
};

class CPMDetailModel {
  public:
    explicit CPMDetailModel(int channel) : channel_(channel) {}

    int Channel() const { return channel_; }
    // "Channel Detail (Nch)".
    std::string Caption() const;

    // The first read: the trend values.
    DetailRead Start() const { return {false, kZcDetailTrend, harmonicSet_}; }
    // A read completed (ok false: a communication error).
    DetailUpdate OnReadDone(const DetailRead& read, bool ok);

    // Tab change: the value read and the page's view follow the tab; the window disables
    // the tab control until the next fill.
    void SelectTab(int tab) { tab_ = tab; }
    int Tab() const { return tab_; }
    // While the trend chart shows and another tab than Trend is chosen, the value reads
    // alternate between the present values and the tab's.
    void SetChartShown(bool shown) { chartShown_ = shown; }
    // A row of the THD grid selects harmonic set row - 1 (rows 1 .. 10); false otherwise.
    bool SelectThdRow(int row);
    int HarmonicSet() const { return harmonicSet_; }

    void Cancel() { stopping_ = true; }
    bool Stopping() const { return stopping_; }

    void OnTimer() { status_.OnTimer(); }
    StatusView Status() const { return status_.Status(); }
    uint32_t LedColor() const { return status_.LedColor(); }

  private:
    int channel_;
    int tab_ = kZcDetailTrend;
    bool chartShown_ = false;
    int lastValueView_ = kZcDetailTrend;
    int harmonicSet_ = 0;
    bool stopping_ = false;
    CMonitorStatus status_;
};

}  // namespace voltaro
