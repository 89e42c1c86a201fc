// Texts whose id is used by the system but whose wording was not known when the table
// was written. Each was written to fit its neighbours (same prefixes, same order as the
// measured-value and energy lists it belongs to) and is to be corrected when the real
// wording is known. Keep every such text in this block and nowhere else, so that the
// correction touches one file.
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    // Demand grid heading of the current rows.
    {1300, "Current"},
    // Wiring systems (index stored in the "System" word). 2 and 4 are the balanced-load
    // systems with one CT; 6 is the 4-wire system with a fourth CT for the neutral.
    {1600, "Single-phase 2-wire"},
    {1601, "Single-phase 3-wire"},
    {1602, "Three-phase 3-wire, balanced load (1 CT)"},
    {1603, "Three-phase 3-wire, unbalanced load (2 CT)"},
    {1604, "Three-phase 4-wire, balanced load (1 CT)"},
    {1605, "Three-phase 4-wire, unbalanced load (3 CT)"},
    {1606, "Three-phase 4-wire, unbalanced load (4 CT)"},
    // Measurand codes 3600 + code.
    {3612, "U12 / Line voltage 1-2"},
    {3613, "U23 / Line voltage 2-3"},
    {3614, "U31 / Line voltage 3-1"},
    {3615, "U1N / Phase voltage 1-N"},
    {3616, "U2N / Phase voltage 2-N"},
    {3617, "U3N / Phase voltage 3-N"},
    {3618, "P1 / Phase 1 active power"},
    {3619, "P2 / Phase 2 active power"},
    {3620, "P3 / Phase 3 active power"},
    {3621, "Q1 / Phase 1 reactive power"},
    {3622, "Q2 / Phase 2 reactive power"},
    {3623, "Q3 / Phase 3 reactive power"},
    {3624, "S1 / Phase 1 apparent power"},
    {3625, "S2 / Phase 2 apparent power"},
    {3626, "S3 / Phase 3 apparent power"},
    {3627, "PF1 / Phase 1 power factor"},
    {3628, "PF2 / Phase 2 power factor"},
    {3629, "PF3 / Phase 3 power factor"},
    {3630, "THDI1 / Line 1 current THD"},
    {3631, "THDI2 / Line 2 current THD"},
    {3632, "THDI3 / Line 3 current THD"},
    {3634, "THDU12 / Line voltage 1-2 THD"},
    {3635, "THDU23 / Line voltage 2-3 THD"},
    {3636, "THDU31 / Line voltage 3-1 THD"},
    {3637, "THDU1N / Phase voltage 1-N THD"},
    {3638, "THDU2N / Phase voltage 2-N THD"},
    {3639, "THDU3N / Phase voltage 3-N THD"},
    {3640, "T-I / Current"},
    {3641, "T-U / Voltage"},
    {3642, "T-P / Active power"},
    // Energy display view: codes 0 to 8, then the same off peak as 10 to 18.
    {3701, "EQ-LAG / Reactive energy, LAG"},
    {3702, "ES / Apparent energy"},
    {3703, "EP-OUT / Active energy, outgoing"},
    {3704, "EQ-LEAD / Reactive energy, LEAD"},
    {3705, "EQ-LAG / Reactive energy, LAG, incoming"},
    {3706, "EQ-LEAD / Reactive energy, LEAD, incoming"},
    {3707, "EQ-LAG / Reactive energy, LAG, outgoing"},
    {3710, "L-EP / Active energy, incoming, off peak"},
    {3711, "L-EQ-LAG / Reactive energy, LAG, off peak"},
    {3712, "L-ES / Apparent energy, off peak"},
    {3713, "L-EP-OUT / Active energy, outgoing, off peak"},
    {3714, "L-EQ-LEAD / Reactive energy, LEAD, off peak"},
    {3715, "L-EQ-LAG / Reactive energy, LAG, incoming, off peak"},
    {3716, "L-EQ-LEAD / Reactive energy, LEAD, incoming, off peak"},
    {3717, "L-EQ-LAG / Reactive energy, LAG, outgoing, off peak"},
    {3718, "L-EQ-LEAD / Reactive energy, LEAD, outgoing, off peak"},
    // Energy codes, totals (5000 + code).
    {5001, "T-EQ-LAG / Reactive energy, LAG, total"},
    {5002, "T-ES / Apparent energy, total"},
    {5003, "T-EP-OUT / Active energy, outgoing, total"},
    {5004, "T-EQ-LEAD / Reactive energy, LEAD, total"},
    {5005, "T-EQ-LAG / Reactive energy, LAG, incoming, total"},
    {5006, "T-EQ-LEAD / Reactive energy, LEAD, incoming, total"},
    {5007, "T-EQ-LAG / Reactive energy, LAG, outgoing, total"},
    {5008, "T-EQ-LEAD / Reactive energy, LEAD, outgoing, total"},
    {5010, "T-EQ-IN / Reactive energy, incoming, total"},
    {5011, "T-EQ-OUT / Reactive energy, outgoing, total"},
    {5013, "T-EQA / Reactive energy, total"},
    // Energy codes, peak (5200 + code).
    {5200, "H-EP / Active energy, incoming, peak"},
    {5201, "H-EQ-LAG / Reactive energy, LAG, peak"},
    {5202, "H-ES / Apparent energy, peak"},
    {5203, "H-EP-OUT / Active energy, outgoing, peak"},
    {5204, "H-EQ-LEAD / Reactive energy, LEAD, peak"},
    {5205, "H-EQ-LAG / Reactive energy, LAG, incoming, peak"},
    {5206, "H-EQ-LEAD / Reactive energy, LEAD, incoming, peak"},
    {5207, "H-EQ-LAG / Reactive energy, LAG, outgoing, peak"},
    {5208, "H-EQ-LEAD / Reactive energy, LEAD, outgoing, peak"},
    {5210, "H-EQ-IN / Reactive energy, incoming, peak"},
    {5211, "H-EQ-OUT / Reactive energy, outgoing, peak"},
    {5212, "H-EPA / Active energy, peak"},
    {5213, "H-EQA / Reactive energy, peak"},
    // Energy codes, off peak (5300 + code).
    {5300, "L-EP / Active energy, incoming, off peak"},
    {5301, "L-EQ-LAG / Reactive energy, LAG, off peak"},
    {5302, "L-ES / Apparent energy, off peak"},
    {5303, "L-EP-OUT / Active energy, outgoing, off peak"},
    {5304, "L-EQ-LEAD / Reactive energy, LEAD, off peak"},
    {5305, "L-EQ-LAG / Reactive energy, LAG, incoming, off peak"},
    {5306, "L-EQ-LEAD / Reactive energy, LEAD, incoming, off peak"},
    {5307, "L-EQ-LAG / Reactive energy, LAG, outgoing, off peak"},
    {5308, "L-EQ-LEAD / Reactive energy, LEAD, outgoing, off peak"},
    {5310, "L-EQ-IN / Reactive energy, incoming, off peak"},
    {5311, "L-EQ-OUT / Reactive energy, outgoing, off peak"},
    {5313, "L-EQA / Reactive energy, off peak"},
    // Note shown in the date and time dialog.
    {11032,
     "Setting the date and time while the device is operating affects the demand values "
     "and the hourly energy values. Set the date and time only when necessary."},
};

}  // namespace

const std::span<const StringEntry> kInvented{kData};

}  // namespace voltaro::strings
