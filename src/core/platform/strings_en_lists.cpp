// Enumeration and list entry texts: a stored enumeration value is an index into
// (or a code added to) the first id of its list.
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    // Demand trigger.
    {1650, "Discrete input"},
    {1651, "Internal timer"},
    // Discrete input functions.
    {1700, "No function"},
    {1701, "Update demand value"},
    {1702, "Reset energy count"},
    {1703, "Clear alarm"},
    {1704, "Change tariff"},
    // Discrete output functions.
    {1800, "No function"},
    {1801, "Energy count"},
    {1802, "Alarm status"},
    // LCD backlight operation mode.
    {1850, "Auto"},
    {1851, "On"},
    {1852, "Off"},
    // Transfer rate.
    {1900, "1200 bps"},
    {1901, "2400 bps"},
    {1902, "4800 bps"},
    {1903, "9600 bps"},
    {1904, "19200 bps"},
    {1905, "38400 bps"},
    // Parity.
    {1950, "None"},
    {1951, "Odd"},
    {1952, "Even"},
    // Stop bits.
    {2000, "1 bit"},
    {2001, "2 bit"},
    // Frequency input.
    {2150, "U1N"},
    {2151, "I1"},
    {2152, "50Hz fix"},
    {2153, "60Hz fix"},
    // Pulse unit, by energy count.
    {2200, "kWh/pulse"},
    {2201, "kvarh/pulse"},
    {2202, "kVAh/pulse"},
    // Alarm output, display-equipped meters.
    {2400, "Disable"},
    {2401, "Display"},
    {2402, "Display + Do1"},
    {2403, "Display + Do2"},
    {2404, "Display + Do3"},
    {2405, "Display + Do4"},
    // Alarm output, meters without display.
    {2420, "Disable"},
    {2421, "Comm"},
    {2422, "Comm + Do1"},
    {2423, "Comm + Do2"},
    {2424, "Comm + Do3"},
    {2425, "Comm + Do4"},
    // Contact type of discrete inputs and outputs.
    {2500, "Normal open"},
    {2501, "Normal close"},
    // Energy reading display unit.
    {2600, "k"},
    {2601, "-"},
    // Key operation lock.
    {2650, "All key operations are available"},
    {2651, "All key operations are locked"},
    {2652, "Lock the key operation to go to Setting mode only"},
    // Power factor sign PF.
    {2750, "Standard (IEC)"},
    {2751, "IEEE"},
    // Input line indication.
    {2800, "1 - 2 - 3"},
    {2801, "R - S - T"},
    // Phase direction indication.
    {2850, "inductive / capacitive"},
    {2851, "LAG / LEAD"},
    // Reactive power sign Q.
    {2900, "Standard (IEC)"},
    {2901, "Inverted when outgoing (Special)"},
    // Phase reactive power Qn.
    {3000, "Standard (Vector S-P)"},
    {3001, "Reactive power method (Sigma UI)"},
    // Apparent power S.
    {3050, "Standard (Vector P+Q)"},
    {3051, "Sum (S1+S2+S3)"},
    // Disable / enable switches (tariff function, latching, short-cut menu).
    {3100, "Disable"},
    {3101, "Enable"},
    // Long register word order.
    {3150, "Normal"},
    {3151, "Swap"},
    // Tariff.
    {3200, "High tariff (peak time)"},
    {3201, "Low tariff (Off-peak time)"},
    // Modbus passcode protection state.
    {3400, "Protection enabled"},
    {3401, "Protection disabled"},
    {3402, "Not supported"},
    // Measurand codes (display lines, analogue output input); the rest are in the
    // invented block.
    {3600, "(NULL)"},
    {3601, "I / Current"},
    {3602, "U / Voltage"},
    {3603, "P / Active power"},
    {3604, "Q / Reactive power"},
    {3605, "S / Apparent power"},
    {3606, "PF / Power factor"},
    {3607, "F / Frequency"},
    {3608, "I1 / Line 1 current"},
    {3609, "I2 / Line 2 current"},
    {3610, "I3 / Line 3 current"},
    {3611, "IN / Neutral current"},
    {3633, "THDIN / Neutral cuurent THD"},
    {3643, "T-Q / Reactive power"},
    {3644, "T-PF / Power factor"},
    // Energy display view and energy count (first generation); the rest are in the
    // invented block.
    {3700, "EP / Active energy, incoming"},
    {3708, "EQ-LEAD / Reactive energy, LEAD, outgoing"},
    {3709, "TIMER"},
    {3719, "L-TIMER, off peak"},
    // Linearizer.
    {3900, "Linear"},
    {3901, "Table"},
    // Power format.
    {4200, "Use k if power <= 9999"},
    {4201, "No use k if power <= 9999"},
    // Energy codes of the extended lists (5000 + code); the rest are in the invented block.
    {5000, "T-EP / Active energy, incoming, total"},
    {5312, "L-EPA / Active energy, off peak"},
    // CC-Link transfer rate.
    {5400, "156 kbps"},
    {5401, "625 kbps"},
    {5402, "2.5 Mbps"},
    {5403, "5 Mbps"},
    {5404, "10 Mbps"},
    // Measuring input channels.
    {5500, "1ch"},
    {5501, "2ch"},
    {5502, "3ch"},
    {5503, "4ch"},
    {5504, "5ch"},
    {5505, "6ch"},
    {5506, "7ch"},
    {5507, "8ch"},
    {5508, "9ch"},
    {5509, "10ch"},
    {5510, "11ch"},
    {5511, "12ch"},
    {5512, "13ch"},
    {5513, "14ch"},
    {5514, "15ch"},
    {5515, "16ch"},
    // CT sensor of a measuring input.
    {5600, "TRVA-R5"},
    {5601, "TRVA-05"},
    {5602, "TRVA-10"},
    {5603, "TRVA-20"},
    {5604, "TRVA-40"},
    {5605, "TRVA-60"},
    {5606, "Custom-1"},
    {5607, "Custom-2"},
    // Modbus transmission mode.
    {5650, "RTU (8bit)"},
    {5651, "ASCII (7bit)"},
    // Configuration mode (SW1-8).
    {5700, "DIP SW(OFF)"},
    {5701, "PC(ON)"},
    // Hourly energy rows.
    {5750, "00:00 to 01:00"},
    {5751, "01:00 to 02:00"},
    {5752, "02:00 to 03:00"},
    {5753, "03:00 to 04:00"},
    {5754, "04:00 to 05:00"},
    {5755, "05:00 to 06:00"},
    {5756, "06:00 to 07:00"},
    {5757, "07:00 to 08:00"},
    {5758, "08:00 to 09:00"},
    {5759, "09:00 to 10:00"},
    {5760, "10:00 to 11:00"},
    {5761, "11:00 to 12:00"},
    {5762, "12:00 to 13:00"},
    {5763, "13:00 to 14:00"},
    {5764, "14:00 to 15:00"},
    {5765, "15:00 to 16:00"},
    {5766, "16:00 to 17:00"},
    {5767, "17:00 to 18:00"},
    {5768, "18:00 to 19:00"},
    {5769, "19:00 to 20:00"},
    {5770, "20:00 to 21:00"},
    {5771, "21:00 to 22:00"},
    {5772, "22:00 to 23:00"},
    {5773, "23:00 to 00:00"},
    // Discrete inputs of the extension module.
    {5800, "DI1"},
    {5801, "DI2"},
    {5802, "DI3"},
    {5803, "DI4"},
    {5804, "DI5"},
    {5805, "DI6"},
    {5806, "DI7"},
    {5807, "DI8"},
};

}  // namespace

const std::span<const StringEntry> kLists{kData};

}  // namespace voltaro::strings
