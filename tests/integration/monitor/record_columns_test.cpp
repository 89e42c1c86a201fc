// A monitor window records the columns that voltaro-cli monitor --csv writes for the same
// device: the header from the device type (meter) or the module view (ZC) equals the one
// of a pass read from the simulated device, for meters with and without counters and
// analogue outputs and for both modules of a ZC device.
#include <gtest/gtest.h>

#include "core/monitor/monitor_pass.h"
#include "core/monitor/monitor_recorder.h"
#include "core/monitor/zc_registers.h"
#include "integration/transfer/sim_link.h"

namespace voltaro {
namespace {

using test::SimLink;
using test::SimRow;

TEST(RecordColumns, WindowColumnsEqualThoseOfACommandLinePass) {
    // A 7811 with analogue outputs, a 7851 with two inputs, a 7812, the ZC series.
    for (int row : {7, 38, 53}) {
        SCOPED_TRACE("row " + std::to_string(row));
        SimLink link(SimRow(row));
        CMeasurandsKT2 store;
        const MonitorPassResult pass = ReadMonitorPass(*link.client, store, MonitorPassOptions{});
        ASSERT_TRUE(pass.ok) << pass.error;
        EXPECT_EQ(MonitorLogHeader(MeterLogColumns(pass.state.deviceType)),
                  MonitorLogHeader(LogColumnsOfPass(pass, {})));
    }
    SimLink zc(SimRow(64));  // 16 inputs: basic and extension module
    for (bool extension : {false, true}) {
        CMeasurandsKT2 store;
        MonitorPassOptions options;
        options.zcExtension = extension;
        const MonitorPassResult pass = ReadMonitorPass(*zc.client, store, options);
        ASSERT_TRUE(pass.ok) << pass.error;
        EXPECT_EQ(MonitorLogHeader(ZcPageLogColumns(pass.zcView)),
                  MonitorLogHeader(LogColumnsOfPass(pass, {})));
    }
}

}  // namespace
}  // namespace voltaro
