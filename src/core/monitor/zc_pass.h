#pragma once
// The ZC part of a monitor pass (monitor_pass.h), on the link the pass holds open: after
// the identity either the page of the basic or the extension module with the device
// clock, or one channel's detail (trend, max, min, THD and the harmonic sets asked for).
#include <atomic>
#include <vector>

#include "core/monitor/monitor_pass.h"

namespace voltaro {

// The indexes a pass fills: the identity texts, then for a page pass of view the values
// its main page shows (view 2: the discrete-input counts) and the device clock, for a
// detail pass the trend, max and min lists with demand and the THD grid. Ascending.
std::vector<int> ZcPassIndexes(int view, bool detail);

// Reads a ZC device identified by the pass into store and result (zcView,
// zcFirstChannel, indexes). Options that do not fit the device set result.refusal and
// read nothing more: the extension module of a device without one, a detail channel
// beyond its inputs, harmonic sets without a detail, the second channel of a 2-input
// device. Modbus failures throw; a stop request throws CCancelled.
void ReadZcPass(CModbusInterface& client, CMeasurandsKT2& store, const MonitorPassOptions& options,
                MonitorPassResult& result, const std::atomic<bool>* stop);

}  // namespace voltaro
