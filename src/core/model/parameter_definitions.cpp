// The parameter definitions table: row i describes image word i.
#include "core/model/parameter_image.h"

namespace voltaro {
namespace {

// groupId, nameId, type, param, featureMask, familyMask
const ParameterDefinition kDefinitions[kImageWords] = {
    {16000, 15000, 2, 2650, 0x80000000, 0x0},   // 0 Display: Operation mode E2650
    {16000, 15001, 0, 1, 0x80000000, 0x0},      // 1 Display: Data display view I16
    {16000, 15002, 2, 3700, 0x80000000, 0x0},   // 2 Display: Energy display view E3700
    {16000, 15003, 2, 2600, 0x80000000, 0x0},   // 3 Display: Energy reading display unit E2600
    {16000, 15004, 2, 3600, 0x0, 0x6},          // 4 Display: Sigma1 line1 E3600
    {16000, 15005, 2, 3600, 0x0, 0x6},          // 5 Display: Sigma1 line2 E3600
    {16000, 15006, 2, 3600, 0x0, 0x6},          // 6 Display: Sigma1 line3 E3600
    {16000, 15007, 2, 3600, 0x0, 0x2},          // 7 Display: Sigma1 line4 E3600
    {16000, 15008, 2, 3600, 0x0, 0x6},          // 8 Display: Sigma2 line1 E3600
    {16000, 15009, 2, 3600, 0x0, 0x6},          // 9 Display: Sigma2 line2 E3600
    {16000, 15010, 2, 3600, 0x0, 0x6},          // 10 Display: Sigma2 line3 E3600
    {16000, 15011, 2, 3600, 0x0, 0x2},          // 11 Display: Sigma2 line4 E3600
    {16000, 15012, 2, 3600, 0x0, 0x6},          // 12 Display: Sigma3 line1 E3600
    {16000, 15013, 2, 3600, 0x0, 0x6},          // 13 Display: Sigma3 line2 E3600
    {16000, 15014, 2, 3600, 0x0, 0x6},          // 14 Display: Sigma3 line3 E3600
    {16000, 15015, 2, 3600, 0x0, 0x2},          // 15 Display: Sigma3 line4 E3600
    {16000, 15016, 2, 3600, 0x0, 0x6},          // 16 Display: Sigma4 line1 E3600
    {16000, 15017, 2, 3600, 0x0, 0x6},          // 17 Display: Sigma4 line2 E3600
    {16000, 15018, 2, 3600, 0x0, 0x6},          // 18 Display: Sigma4 line3 E3600
    {16000, 15019, 2, 3600, 0x0, 0x2},          // 19 Display: Sigma4 line4 E3600
    {16000, 15020, 2, 3600, 0x0, 0x2},          // 20 Display: Sigma5 line1 E3600
    {16000, 15021, 2, 3600, 0x0, 0x2},          // 21 Display: Sigma5 line2 E3600
    {16000, 15022, 2, 3600, 0x0, 0x2},          // 22 Display: Sigma5 line3 E3600
    {16000, 15023, 2, 3600, 0x0, 0x2},          // 23 Display: Sigma5 line4 E3600
    {16000, 15024, 2, 3600, 0x0, 0x2},          // 24 Display: Sigma6 line1 E3600
    {16000, 15025, 2, 3600, 0x0, 0x2},          // 25 Display: Sigma6 line2 E3600
    {16000, 15026, 2, 3600, 0x0, 0x2},          // 26 Display: Sigma6 line3 E3600
    {16000, 15027, 2, 3600, 0x0, 0x2},          // 27 Display: Sigma6 line4 E3600
    {16001, 15050, 2, 3200, 0x80000000, 0x30},  // 28 Tariff: Tariff E3200
    {16002, 15654, 3, 0, 0x80000000, 0x0},      // 29 Passcode: Passcode PASS
    {16003, 15158, 2, 5700, 0x0, 0x50},         // 30 Input: Configuration mode(SW1-8) E5700
    {16003, 15150, 2, 1600, 0x80000000, 0xF0},  // 31 Input: System E1600
    {16003, 15151, 0, 1, 0x80000000, 0xF0},     // 32 Input: Primary current I16
    {16003, 15152, 0, 1, 0x80000000, 0xF0},     // 33 Input: Secondary current / CT sensor I16
    {16003, 15153, 1, 1, 0x80000000, 0xF0},     // 34 Input: Primary voltage U32
    {16003, 15153, 0, 1, 0x80000000, 0xF0},     // 35 Input: Primary voltage
    {16003, 15154, 0, 1, 0x80000000, 0xF0},     // 36 Input: Secondary voltage I16
    {16003, 15155, 2, 2150, 0x80000000, 0xB0},  // 37 Input: Frequency input E2150
    {16003, 15156, 0, 10, 0x80000000, 0xF0},    // 38 Input: Low-end cutout current I16/10
    {16003, 15157, 0, 10, 0x80000000, 0xF0},    // 39 Input: Low-end cutout voltage I16/10
    {16046, 15151, 0, 1, 0x0, 0x400010},        // 40 Input2: Primary current I16
    {16046, 15152, 2, 5600, 0x0, 0x400010},     // 41 Input2: Secondary current / CT sensor E5600
    {16046, 15156, 0, 10, 0x0, 0x400010},       // 42 Input2: Low-end cutout current I16/10
    {16047, 15151, 0, 1, 0x0, 0x400000},        // 43 Input3: Primary current I16
    {16047, 15152, 2, 5600, 0x0, 0x400000},     // 44 Input3: Secondary current / CT sensor E5600
    {16047, 15156, 0, 10, 0x0, 0x400000},       // 45 Input3: Low-end cutout current I16/10
    {16048, 15151, 0, 1, 0x0, 0x400000},        // 46 Input4: Primary current I16
    {16048, 15152, 2, 5600, 0x0, 0x400000},     // 47 Input4: Secondary current / CT sensor E5600
    {16048, 15156, 0, 10, 0x0, 0x400000},       // 48 Input4: Low-end cutout current I16/10
    {16049, 15151, 0, 1, 0x0, 0x400000},        // 49 Input5: Primary current I16
    {16049, 15152, 2, 5600, 0x0, 0x400000},     // 50 Input5: Secondary current / CT sensor E5600
    {16049, 15156, 0, 10, 0x0, 0x400000},       // 51 Input5: Low-end cutout current I16/10
    {16050, 15151, 0, 1, 0x0, 0x400000},        // 52 Input6: Primary current I16
    {16050, 15152, 2, 5600, 0x0, 0x400000},     // 53 Input6: Secondary current / CT sensor E5600
    {16050, 15156, 0, 10, 0x0, 0x400000},       // 54 Input6: Low-end cutout current I16/10
    {16051, 15151, 0, 1, 0x0, 0x400000},        // 55 Input7: Primary current I16
    {16051, 15152, 2, 5600, 0x0, 0x400000},     // 56 Input7: Secondary current / CT sensor E5600
    {16051, 15156, 0, 10, 0x0, 0x400000},       // 57 Input7: Low-end cutout current I16/10
    {16052, 15151, 0, 1, 0x0, 0x400000},        // 58 Input8: Primary current I16
    {16052, 15152, 2, 5600, 0x0, 0x400000},     // 59 Input8: Secondary current / CT sensor E5600
    {16052, 15156, 0, 10, 0x0, 0x400000},       // 60 Input8: Low-end cutout current I16/10
    {16053, 15151, 0, 1, 0x0, 0x800000},        // 61 Input9: Primary current I16
    {16053, 15152, 2, 5600, 0x0, 0x800000},     // 62 Input9: Secondary current / CT sensor E5600
    {16053, 15156, 0, 10, 0x0, 0x800000},       // 63 Input9: Low-end cutout current I16/10
    {16054, 15151, 0, 1, 0x0, 0x800000},        // 64 Input10: Primary current I16
    {16054, 15152, 2, 5600, 0x0, 0x800000},     // 65 Input10: Secondary current / CT sensor E5600
    {16054, 15156, 0, 10, 0x0, 0x800000},       // 66 Input10: Low-end cutout current I16/10
    {16055, 15151, 0, 1, 0x0, 0x800000},        // 67 Input11: Primary current I16
    {16055, 15152, 2, 5600, 0x0, 0x800000},     // 68 Input11: Secondary current / CT sensor E5600
    {16055, 15156, 0, 10, 0x0, 0x800000},       // 69 Input11: Low-end cutout current I16/10
    {16056, 15151, 0, 1, 0x0, 0x800000},        // 70 Input12: Primary current I16
    {16056, 15152, 2, 5600, 0x0, 0x800000},     // 71 Input12: Secondary current / CT sensor E5600
    {16056, 15156, 0, 10, 0x0, 0x800000},       // 72 Input12: Low-end cutout current I16/10
    {16057, 15151, 0, 1, 0x0, 0x800000},        // 73 Input13: Primary current I16
    {16057, 15152, 2, 5600, 0x0, 0x800000},     // 74 Input13: Secondary current / CT sensor E5600
    {16057, 15156, 0, 10, 0x0, 0x800000},       // 75 Input13: Low-end cutout current I16/10
    {16058, 15151, 0, 1, 0x0, 0x800000},        // 76 Input14: Primary current I16
    {16058, 15152, 2, 5600, 0x0, 0x800000},     // 77 Input14: Secondary current / CT sensor E5600
    {16058, 15156, 0, 10, 0x0, 0x800000},       // 78 Input14: Low-end cutout current I16/10
    {16059, 15151, 0, 1, 0x0, 0x800000},        // 79 Input15: Primary current I16
    {16059, 15152, 2, 5600, 0x0, 0x800000},     // 80 Input15: Secondary current / CT sensor E5600
    {16059, 15156, 0, 10, 0x0, 0x800000},       // 81 Input15: Low-end cutout current I16/10
    {16060, 15151, 0, 1, 0x0, 0x800000},        // 82 Input16: Primary current I16
    {16060, 15152, 2, 5600, 0x0, 0x800000},     // 83 Input16: Secondary current / CT sensor E5600
    {16060, 15156, 0, 10, 0x0, 0x800000},       // 84 Input16: Low-end cutout current I16/10
    {16030, 15600, 0, 1, 0x0, 0x1},             // 85 Bargraph: Current 100% I16
    {16030, 15601, 1, 1, 0x0, 0x1},             // 86 Bargraph: Voltage 100% U32
    {16030, 15601, 0, 1, 0x0, 0x1},             // 87 Bargraph: Voltage 100%
    {16030, 15600, 1, 1000, 0x0, 0x2},          // 88 Bargraph: Current 100% U32/1000
    {16030, 15600, 0, 1000, 0x0, 0x2},          // 89 Bargraph: Current 100%
    {16030, 15602, 1, 1000, 0x0, 0x2},          // 90 Bargraph: Current 0% U32/1000
    {16030, 15602, 0, 1000, 0x0, 0x2},          // 91 Bargraph: Current 0%
    {16030, 15601, 1, 100, 0x0, 0x2},           // 92 Bargraph: Voltage 100% U32/100
    {16030, 15601, 0, 100, 0x0, 0x2},           // 93 Bargraph: Voltage 100%
    {16030, 15603, 1, 100, 0x0, 0x2},           // 94 Bargraph: Voltage 0% U32/100
    {16030, 15603, 0, 100, 0x0, 0x2},           // 95 Bargraph: Voltage 0%
    {16030, 15604, 1, 1, 0x0, 0x2},             // 96 Bargraph: Active power 100% U32
    {16030, 15604, 0, 1, 0x0, 0x2},             // 97 Bargraph: Active power 100%
    {16030, 15605, 1, 1, 0x0, 0x2},             // 98 Bargraph: Active power 0% U32
    {16030, 15605, 0, 1, 0x0, 0x2},             // 99 Bargraph: Active power 0%
    {16030, 15606, 1, 1, 0x0, 0x2},             // 100 Bargraph: Reactive power 100% U32
    {16030, 15606, 0, 1, 0x0, 0x2},             // 101 Bargraph: Reactive power 100%
    {16030, 15607, 1, 1, 0x0, 0x2},             // 102 Bargraph: Reactive power 0% U32
    {16030, 15607, 0, 1, 0x0, 0x2},             // 103 Bargraph: Reactive power 0%
    {16030, 15608, 1, 1, 0x0, 0x2},             // 104 Bargraph: Apparent power 100% U32
    {16030, 15608, 0, 1, 0x0, 0x2},             // 105 Bargraph: Apparent power 100%
    {16030, 15609, 1, 1, 0x0, 0x2},             // 106 Bargraph: Apparent power 0% U32
    {16030, 15609, 0, 1, 0x0, 0x2},             // 107 Bargraph: Apparent power 0%
    {16030, 15610, 1, 10000, 0x0, 0x2},         // 108 Bargraph: Power factor 100% U32/10000
    {16030, 15610, 0, 10000, 0x0, 0x2},         // 109 Bargraph: Power factor 100%
    {16030, 15611, 1, 10000, 0x0, 0x2},         // 110 Bargraph: Power factor 0% U32/10000
    {16030, 15611, 0, 10000, 0x0, 0x2},         // 111 Bargraph: Power factor 0%
    {16030, 15612, 1, 100, 0x0, 0x2},           // 112 Bargraph: Frequency 100% U32/100
    {16030, 15612, 0, 100, 0x0, 0x2},           // 113 Bargraph: Frequency 100%
    {16030, 15613, 1, 100, 0x0, 0x2},           // 114 Bargraph: Frequency 0% U32/100
    {16030, 15613, 0, 100, 0x0, 0x2},           // 115 Bargraph: Frequency 0%
    {16030, 15614, 1, 10, 0x0, 0x2},            // 116 Bargraph: THD 100% U32/10
    {16030, 15614, 0, 10, 0x0, 0x2},            // 117 Bargraph: THD 100%
    {16030, 15615, 1, 10, 0x0, 0x2},            // 118 Bargraph: THD 0% U32/10
    {16030, 15615, 0, 10, 0x0, 0x2},            // 119 Bargraph: THD 0%
    {16030, 15616, 1, 1, 0x0, 0x2},             // 120 Bargraph: Phase dif 100% U32
    {16030, 15616, 0, 1, 0x0, 0x2},             // 121 Bargraph: Phase dif 100%
    {16030, 15617, 1, 1, 0x0, 0x2},             // 122 Bargraph: Phase dif 0% U32
    {16030, 15617, 0, 1, 0x0, 0x2},             // 123 Bargraph: Phase dif 0%
    {16004, 15200, 0, 1, 0x20000, 0x0},         // 124 Modbus: Device address I16
    {16004, 15201, 2, 1900, 0x20000, 0x0},      // 125 Modbus: Transfer rate E1900
    {16004, 15202, 2, 1950, 0x10020000, 0x0},   // 126 Modbus: Parity E1950
    {16004, 15203, 2, 2000, 0x10020000, 0x0},   // 127 Modbus: Stop E2000
    {16004, 15204, 0, 10, 0x20000, 0x0},        // 128 Modbus: t1.5 I16/10
    {16004, 15205, 0, 10, 0x20000, 0x0},        // 129 Modbus: t3.5 I16/10
    {16004, 15206, 2, 3150, 0x20000, 0x0},      // 130 Modbus: Long register E3150
    {16004, 15207, 2, 5650, 0x10000000, 0x0},   // 131 Modbus: Mode E5650
    {16004, 15209, 7, 0, 0x2000000, 0x0},       // 132 Modbus: IP address IP
    {16004, 15209, 7, 0, 0x2000000, 0x0},       // 133 Modbus: IP address
    {16004, 15210, 7, 0, 0x2000000, 0x0},       // 134 Modbus: Subnet mask IP
    {16004, 15210, 7, 0, 0x2000000, 0x0},       // 135 Modbus: Subnet mask
    {16004, 15211, 7, 0, 0x2000000, 0x0},       // 136 Modbus: Default gateway IP
    {16004, 15211, 7, 0, 0x2000000, 0x0},       // 137 Modbus: Default gateway
    {16004, 15213, 0, 1, 0x2000000, 0x0},       // 138 Modbus: Port I16
    {16004, 15212, 0, 10, 0x2000000, 0x0},      // 139 Modbus: Connection timeout I16/10
    {16004, 15208, 0, 10, 0x12000000, 0x0},     // 140 Modbus: RUN LED Timeout I16/10
    {16045, 15690, 0, 1, 0x1000000, 0x0},       // 141 CC-Link: Node address I16
    {16045, 15691, 2, 5400, 0x1000000, 0x0},    // 142 CC-Link: Transfer rate E5400
    {16005, 15250, 0, 1, 0x80000000, 0xF0},     // 143 Demand: Current interval I16
    {16005, 15251, 0, 1, 0x80000000, 0xF0},     // 144 Demand: Power interval I16
    {16006, 15300, 2, 2800, 0x0, 0x1},          // 145 Display Option: Input line indication E2800
    {16006, 15301, 2, 2850, 0x0, 0x1},  // 146 Display Option: Phase direction indication E2850
    {16006, 15302, 2, 4200, 0x0, 0xC},  // 147 Display Option: Power format E4200
    {16007, 15350, 2, 2750, 0x80000000,
     0xF0},  // 148 Calculation Option: Power factor sign PF E2750
    {16007, 15351, 2, 2900, 0x80000000,
     0xF0},  // 149 Calculation Option: Reactive power sign Q E2900
    {16007, 15352, 2, 3000, 0x80000000,
     0xF0},  // 150 Calculation Option: Phase reactive power Qn E3000
    {16007, 15353, 2, 3050, 0x80000000, 0xF0},   // 151 Calculation Option: Apparent power S E3050
    {16041, 15400, 2, 1800, 0x100, 0x0},         // 152 Do1: Discrete output function E1800
    {16041, 15401, 2, 2500, 0x100, 0x0},         // 153 Do1: Discrete output type E2500
    {16008, 15402, 2, 1700, 0x1000, 0x0},        // 154 Di: Discrete input function E1700
    {16008, 15403, 2, 2500, 0x1000, 0x0},        // 155 Di: Discrete input type E2500
    {16042, 15400, 2, 1800, 0x200, 0x0},         // 156 Do2: Discrete output function E1800
    {16042, 15401, 2, 2500, 0x200, 0x0},         // 157 Do2: Discrete output type E2500
    {16043, 15400, 2, 1800, 0x400, 0x0},         // 158 Do3: Discrete output function E1800
    {16043, 15401, 2, 2500, 0x400, 0x0},         // 159 Do3: Discrete output type E2500
    {16044, 15400, 2, 1800, 0x800, 0x0},         // 160 Do4: Discrete output function E1800
    {16044, 15401, 2, 2500, 0x800, 0x0},         // 161 Do4: Discrete output type E2500
    {16009, 15450, 2, 3700, 0x100, 0x0},         // 162 Po1: Energy count E3700
    {16009, 15451, 1, 10, 0x100, 0x0},           // 163 Po1: Pulse rate U32/10
    {16009, 15451, 0, 10, 0x100, 0x0},           // 164 Po1: Pulse rate
    {16009, 15452, 5, 100, 0x100, 0x0},          // 165 Po1: Pulse duration X100
    {16009, 15453, 2, 3100, 0x80000000, 0x20},   // 166 Po1: Tariff function E3100
    {16038, 15450, 2, 3700, 0x200, 0x0},         // 167 Po2: Energy count E3700
    {16038, 15451, 1, 10, 0x200, 0x0},           // 168 Po2: Pulse rate U32/10
    {16038, 15451, 0, 10, 0x200, 0x0},           // 169 Po2: Pulse rate
    {16038, 15452, 5, 100, 0x200, 0x0},          // 170 Po2: Pulse duration X100
    {16039, 15450, 2, 3700, 0x400, 0x0},         // 171 Po3: Energy count E3700
    {16039, 15451, 1, 10, 0x400, 0x0},           // 172 Po3: Pulse rate U32/10
    {16039, 15451, 0, 10, 0x400, 0x0},           // 173 Po3: Pulse rate
    {16039, 15452, 5, 100, 0x400, 0x0},          // 174 Po3: Pulse duration X100
    {16040, 15450, 2, 3700, 0x800, 0x0},         // 175 Po4: Energy count E3700
    {16040, 15451, 1, 10, 0x800, 0x0},           // 176 Po4: Pulse rate U32/10
    {16040, 15451, 0, 10, 0x800, 0x0},           // 177 Po4: Pulse rate
    {16040, 15452, 5, 100, 0x800, 0x0},          // 178 Po4: Pulse duration X100
    {16029, 15550, 2, 1850, 0x80000000, 0x0},    // 179 LCD Backlight: Operation mode E1850
    {16029, 15551, 0, 1, 0x80000000, 0x0},       // 180 LCD Backlight: Off timer I16
    {16029, 15552, 0, 1, 0x80000000, 0x0},       // 181 LCD Backlight: Brightness I16
    {16029, 15553, 0, 1, 0x0, 0xC},              // 182 LCD Backlight: Update rate I16
    {16031, 15650, 0, 1, 0x80000000, 0x0},       // 183 Default: Default timer I16
    {16031, 15651, 0, 1, 0x80000000, 0x0},       // 184 Default: Data display view I16
    {16031, 15652, 2, 3700, 0x80000000, 0x0},    // 185 Default: Energy display view E3700
    {16031, 15653, 2, 2600, 0x80000000, 0x0},    // 186 Default: Energy reading display unit E2600
    {16037, 15655, 2, 3100, 0x0, 0xC},           // 187 Short Cut Menu: Clear alarm E3100
    {16010, 15500, 0, 1, 0x80000000, 0x20},      // 188 Alarm: Power ON delay I16
    {16010, 15501, 2, 3100, 0x80000000, 0x20},   // 189 Alarm: Latching E3100
    {16011, 15502, 1, 1000, 0x80000000, 0x20},   // 190 Alarm I1-3: High setpoint U32/1000
    {16011, 15502, 0, 1000, 0x80000000, 0x20},   // 191 Alarm I1-3: High setpoint
    {16011, 15503, 1, 1000, 0x80000000, 0x20},   // 192 Alarm I1-3: Low setpoint U32/1000
    {16011, 15503, 0, 1000, 0x80000000, 0x20},   // 193 Alarm I1-3: Low setpoint
    {16011, 15504, 2, 2400, 0x80000000, 0x20},   // 194 Alarm I1-3: Output E2400
    {16011, 15505, 0, 10, 0x80000000, 0x20},     // 195 Alarm I1-3: Hysteresis I16/10
    {16011, 15506, 0, 1, 0x80000000, 0x20},      // 196 Alarm I1-3: ON delay I16
    {16012, 15502, 1, 1000, 0x20100000, 0x21},   // 197 Alarm IN: High setpoint U32/1000
    {16012, 15502, 0, 1000, 0x20100000, 0x21},   // 198 Alarm IN: High setpoint
    {16012, 15503, 1, 1000, 0x20100000, 0x21},   // 199 Alarm IN: Low setpoint U32/1000
    {16012, 15503, 0, 1000, 0x20100000, 0x21},   // 200 Alarm IN: Low setpoint
    {16012, 15504, 2, 2400, 0x20100000, 0x21},   // 201 Alarm IN: Output E2400
    {16012, 15505, 0, 10, 0x20100000, 0x21},     // 202 Alarm IN: Hysteresis I16/10
    {16012, 15506, 0, 1, 0x20100000, 0x21},      // 203 Alarm IN: ON delay I16
    {16013, 15502, 1, 100, 0x80000000, 0x20},    // 204 Alarm U12-31: High setpoint U32/100
    {16013, 15502, 0, 100, 0x80000000, 0x20},    // 205 Alarm U12-31: High setpoint
    {16013, 15503, 1, 100, 0x80000000, 0x20},    // 206 Alarm U12-31: Low setpoint U32/100
    {16013, 15503, 0, 100, 0x80000000, 0x20},    // 207 Alarm U12-31: Low setpoint
    {16013, 15504, 2, 2400, 0x80000000, 0x20},   // 208 Alarm U12-31: Output E2400
    {16013, 15505, 0, 10, 0x80000000, 0x20},     // 209 Alarm U12-31: Hysteresis I16/10
    {16013, 15506, 0, 1, 0x80000000, 0x20},      // 210 Alarm U12-31: ON delay I16
    {16014, 15502, 1, 100, 0x80000000, 0x20},    // 211 Alarm U1N-3N: High setpoint U32/100
    {16014, 15502, 0, 100, 0x80000000, 0x20},    // 212 Alarm U1N-3N: High setpoint
    {16014, 15503, 1, 100, 0x80000000, 0x20},    // 213 Alarm U1N-3N: Low setpoint U32/100
    {16014, 15503, 0, 100, 0x80000000, 0x20},    // 214 Alarm U1N-3N: Low setpoint
    {16014, 15504, 2, 2400, 0x80000000, 0x20},   // 215 Alarm U1N-3N: Output E2400
    {16014, 15505, 0, 10, 0x80000000, 0x20},     // 216 Alarm U1N-3N: Hysteresis I16/10
    {16014, 15506, 0, 1, 0x80000000, 0x20},      // 217 Alarm U1N-3N: ON delay I16
    {16015, 15502, 1, 1, 0x80000000, 0x20},      // 218 Alarm P: High setpoint U32
    {16015, 15502, 0, 1, 0x80000000, 0x20},      // 219 Alarm P: High setpoint
    {16015, 15503, 1, 1, 0x80000000, 0x20},      // 220 Alarm P: Low setpoint U32
    {16015, 15503, 0, 1, 0x80000000, 0x20},      // 221 Alarm P: Low setpoint
    {16015, 15504, 2, 2400, 0x80000000, 0x20},   // 222 Alarm P: Output E2400
    {16015, 15505, 0, 10, 0x80000000, 0x20},     // 223 Alarm P: Hysteresis I16/10
    {16015, 15506, 0, 1, 0x80000000, 0x20},      // 224 Alarm P: ON delay I16
    {16016, 15502, 1, 1, 0x80000000, 0x20},      // 225 Alarm Q: High setpoint U32
    {16016, 15502, 0, 1, 0x80000000, 0x20},      // 226 Alarm Q: High setpoint
    {16016, 15503, 1, 1, 0x80000000, 0x20},      // 227 Alarm Q: Low setpoint U32
    {16016, 15503, 0, 1, 0x80000000, 0x20},      // 228 Alarm Q: Low setpoint
    {16016, 15504, 2, 2400, 0x80000000, 0x20},   // 229 Alarm Q: Output E2400
    {16016, 15505, 0, 10, 0x80000000, 0x20},     // 230 Alarm Q: Hysteresis I16/10
    {16016, 15506, 0, 1, 0x80000000, 0x20},      // 231 Alarm Q: ON delay I16
    {16017, 15502, 1, 1, 0x80000000, 0x20},      // 232 Alarm S: High setpoint U32
    {16017, 15502, 0, 1, 0x80000000, 0x20},      // 233 Alarm S: High setpoint
    {16017, 15503, 1, 1, 0x80000000, 0x20},      // 234 Alarm S: Low setpoint U32
    {16017, 15503, 0, 1, 0x80000000, 0x20},      // 235 Alarm S: Low setpoint
    {16017, 15504, 2, 2400, 0x80000000, 0x20},   // 236 Alarm S: Output E2400
    {16017, 15505, 0, 10, 0x80000000, 0x20},     // 237 Alarm S: Hysteresis I16/10
    {16017, 15506, 0, 1, 0x80000000, 0x20},      // 238 Alarm S: ON delay I16
    {16018, 15502, 1, 10000, 0x80000000, 0x20},  // 239 Alarm PF: High setpoint U32/10000
    {16018, 15502, 0, 10000, 0x80000000, 0x20},  // 240 Alarm PF: High setpoint
    {16018, 15503, 1, 10000, 0x80000000, 0x20},  // 241 Alarm PF: Low setpoint U32/10000
    {16018, 15503, 0, 10000, 0x80000000, 0x20},  // 242 Alarm PF: Low setpoint
    {16018, 15504, 2, 2400, 0x80000000, 0x20},   // 243 Alarm PF: Output E2400
    {16018, 15505, 0, 10, 0x80000000, 0x20},     // 244 Alarm PF: Hysteresis I16/10
    {16018, 15506, 0, 1, 0x80000000, 0x20},      // 245 Alarm PF: ON delay I16
    {16019, 15502, 1, 100, 0x80000000, 0x20},    // 246 Alarm F: High setpoint U32/100
    {16019, 15502, 0, 100, 0x80000000, 0x20},    // 247 Alarm F: High setpoint
    {16019, 15503, 1, 100, 0x80000000, 0x20},    // 248 Alarm F: Low setpoint U32/100
    {16019, 15503, 0, 100, 0x80000000, 0x20},    // 249 Alarm F: Low setpoint
    {16019, 15504, 2, 2400, 0x80000000, 0x20},   // 250 Alarm F: Output E2400
    {16019, 15505, 0, 10, 0x80000000, 0x20},     // 251 Alarm F: Hysteresis I16/10
    {16019, 15506, 0, 1, 0x80000000, 0x20},      // 252 Alarm F: ON delay I16
    {16020, 15502, 1, 1000, 0x80000000, 0x20},   // 253 Alarm I1-3 AVG: High setpoint U32/1000
    {16020, 15502, 0, 1000, 0x80000000, 0x20},   // 254 Alarm I1-3 AVG: High setpoint
    {16020, 15503, 1, 1000, 0x80000000, 0x20},   // 255 Alarm I1-3 AVG: Low setpoint U32/1000
    {16020, 15503, 0, 1000, 0x80000000, 0x20},   // 256 Alarm I1-3 AVG: Low setpoint
    {16020, 15504, 2, 2400, 0x80000000, 0x20},   // 257 Alarm I1-3 AVG: Output E2400
    {16020, 15505, 0, 10, 0x80000000, 0x20},     // 258 Alarm I1-3 AVG: Hysteresis I16/10
    {16020, 15506, 0, 1, 0x80000000, 0x20},      // 259 Alarm I1-3 AVG: ON delay I16
    {16021, 15502, 1, 1000, 0x20100000, 0x21},   // 260 Alarm IN AVG: High setpoint U32/1000
    {16021, 15502, 0, 1000, 0x20100000, 0x21},   // 261 Alarm IN AVG: High setpoint
    {16021, 15503, 1, 1000, 0x20100000, 0x21},   // 262 Alarm IN AVG: Low setpoint U32/1000
    {16021, 15503, 0, 1000, 0x20100000, 0x21},   // 263 Alarm IN AVG: Low setpoint
    {16021, 15504, 2, 2400, 0x20100000, 0x21},   // 264 Alarm IN AVG: Output E2400
    {16021, 15505, 0, 10, 0x20100000, 0x21},     // 265 Alarm IN AVG: Hysteresis I16/10
    {16021, 15506, 0, 1, 0x20100000, 0x21},      // 266 Alarm IN AVG: ON delay I16
    {16022, 15502, 1, 1, 0x80000000, 0x20},      // 267 Alarm P AVG: High setpoint U32
    {16022, 15502, 0, 1, 0x80000000, 0x20},      // 268 Alarm P AVG: High setpoint
    {16022, 15503, 1, 1, 0x80000000, 0x20},      // 269 Alarm P AVG: Low setpoint U32
    {16022, 15503, 0, 1, 0x80000000, 0x20},      // 270 Alarm P AVG: Low setpoint
    {16022, 15504, 2, 2400, 0x80000000, 0x20},   // 271 Alarm P AVG: Output E2400
    {16022, 15505, 0, 10, 0x80000000, 0x20},     // 272 Alarm P AVG: Hysteresis I16/10
    {16022, 15506, 0, 1, 0x80000000, 0x20},      // 273 Alarm P AVG: ON delay I16
    {16023, 15502, 1, 1, 0x80000000, 0x20},      // 274 Alarm Q AVG: High setpoint U32
    {16023, 15502, 0, 1, 0x80000000, 0x20},      // 275 Alarm Q AVG: High setpoint
    {16023, 15503, 1, 1, 0x80000000, 0x20},      // 276 Alarm Q AVG: Low setpoint U32
    {16023, 15503, 0, 1, 0x80000000, 0x20},      // 277 Alarm Q AVG: Low setpoint
    {16023, 15504, 2, 2400, 0x80000000, 0x20},   // 278 Alarm Q AVG: Output E2400
    {16023, 15505, 0, 10, 0x80000000, 0x20},     // 279 Alarm Q AVG: Hysteresis I16/10
    {16023, 15506, 0, 1, 0x80000000, 0x20},      // 280 Alarm Q AVG: ON delay I16
    {16024, 15502, 1, 1, 0x80000000, 0x20},      // 281 Alarm S AVG: High setpoint U32
    {16024, 15502, 0, 1, 0x80000000, 0x20},      // 282 Alarm S AVG: High setpoint
    {16024, 15503, 1, 1, 0x80000000, 0x20},      // 283 Alarm S AVG: Low setpoint U32
    {16024, 15503, 0, 1, 0x80000000, 0x20},      // 284 Alarm S AVG: Low setpoint
    {16024, 15504, 2, 2400, 0x80000000, 0x20},   // 285 Alarm S AVG: Output E2400
    {16024, 15505, 0, 10, 0x80000000, 0x20},     // 286 Alarm S AVG: Hysteresis I16/10
    {16024, 15506, 0, 1, 0x80000000, 0x20},      // 287 Alarm S AVG: ON delay I16
    {16025, 15502, 1, 10, 0x80000000, 0x20},     // 288 Alarm THD I1-3: High setpoint U32/10
    {16025, 15502, 0, 10, 0x80000000, 0x20},     // 289 Alarm THD I1-3: High setpoint
    {16025, 15503, 1, 10, 0x80000000, 0x20},     // 290 Alarm THD I1-3: Low setpoint U32/10
    {16025, 15503, 0, 10, 0x80000000, 0x20},     // 291 Alarm THD I1-3: Low setpoint
    {16025, 15504, 2, 2400, 0x80000000, 0x20},   // 292 Alarm THD I1-3: Output E2400
    {16025, 15505, 0, 10, 0x80000000, 0x20},     // 293 Alarm THD I1-3: Hysteresis I16/10
    {16025, 15506, 0, 1, 0x80000000, 0x20},      // 294 Alarm THD I1-3: ON delay I16
    {16026, 15502, 1, 10, 0x20100000, 0x21},     // 295 Alarm THD IN: High setpoint U32/10
    {16026, 15502, 0, 10, 0x20100000, 0x21},     // 296 Alarm THD IN: High setpoint
    {16026, 15503, 1, 10, 0x20100000, 0x21},     // 297 Alarm THD IN: Low setpoint U32/10
    {16026, 15503, 0, 10, 0x20100000, 0x21},     // 298 Alarm THD IN: Low setpoint
    {16026, 15504, 2, 2400, 0x20100000, 0x21},   // 299 Alarm THD IN: Output E2400
    {16026, 15505, 0, 10, 0x20100000, 0x21},     // 300 Alarm THD IN: Hysteresis I16/10
    {16026, 15506, 0, 1, 0x20100000, 0x21},      // 301 Alarm THD IN: ON delay I16
    {16027, 15502, 1, 10, 0x80000000, 0x20},     // 302 Alarm THD U12-31: High setpoint U32/10
    {16027, 15502, 0, 10, 0x80000000, 0x20},     // 303 Alarm THD U12-31: High setpoint
    {16027, 15503, 1, 10, 0x80000000, 0x20},     // 304 Alarm THD U12-31: Low setpoint U32/10
    {16027, 15503, 0, 10, 0x80000000, 0x20},     // 305 Alarm THD U12-31: Low setpoint
    {16027, 15504, 2, 2400, 0x80000000, 0x20},   // 306 Alarm THD U12-31: Output E2400
    {16027, 15505, 0, 10, 0x80000000, 0x20},     // 307 Alarm THD U12-31: Hysteresis I16/10
    {16027, 15506, 0, 1, 0x80000000, 0x20},      // 308 Alarm THD U12-31: ON delay I16
    {16028, 15502, 1, 10, 0x80000000, 0x20},     // 309 Alarm THD U1N-3N: High setpoint U32/10
    {16028, 15502, 0, 10, 0x80000000, 0x20},     // 310 Alarm THD U1N-3N: High setpoint
    {16028, 15503, 1, 10, 0x80000000, 0x20},     // 311 Alarm THD U1N-3N: Low setpoint U32/10
    {16028, 15503, 0, 10, 0x80000000, 0x20},     // 312 Alarm THD U1N-3N: Low setpoint
    {16028, 15504, 2, 2400, 0x80000000, 0x20},   // 313 Alarm THD U1N-3N: Output E2400
    {16028, 15505, 0, 10, 0x80000000, 0x20},     // 314 Alarm THD U1N-3N: Hysteresis I16/10
    {16028, 15506, 0, 1, 0x80000000, 0x20},      // 315 Alarm THD U1N-3N: ON delay I16
    {16032, 15502, 1, 1, 0x0, 0x26},             // 316 Alarm UT12-31: High setpoint U32
    {16032, 15502, 0, 1, 0x0, 0x26},             // 317 Alarm UT12-31: High setpoint
    {16032, 15503, 1, 1, 0x0, 0x26},             // 318 Alarm UT12-31: Low setpoint U32
    {16032, 15503, 0, 1, 0x0, 0x26},             // 319 Alarm UT12-31: Low setpoint
    {16032, 15504, 2, 2400, 0x0, 0x26},          // 320 Alarm UT12-31: Output E2400
    {16032, 15505, 0, 10, 0x0, 0x26},            // 321 Alarm UT12-31: Hysteresis I16/10
    {16032, 15506, 0, 1, 0x0, 0x26},             // 322 Alarm UT12-31: ON delay I16
    {16033, 15700, 2, 3600, 0x10, 0x0},          // 323 Ao1: Input E3600
    {16033, 15701, 0, 100, 0x10, 0x0},           // 324 Ao1: Adjust zero I16/100
    {16033, 15702, 0, 100, 0x10, 0x0},           // 325 Ao1: Adjust span I16/100
    {16033, 15703, 2, 3900, 0x10, 0x0},          // 326 Ao1: Linearizer E3900
    {16033, 15704, 0, 100, 0x10, 0x0},           // 327 Ao1: Input 0% I16/100
    {16033, 15705, 6, 0, 0x10, 0x0},             // 328 Ao1: Output 0% AO
    {16033, 15706, 0, 100, 0x10, 0x0},           // 329 Ao1: Input 100% I16/100
    {16033, 15707, 6, 0, 0x10, 0x0},             // 330 Ao1: Output 100% AO
    {16033, 15708, 0, 100, 0x10, 0x0},           // 331 Ao1: Table X[0] I16/100
    {16033, 15709, 6, 0, 0x10, 0x0},             // 332 Ao1: Table Y[0] AO
    {16033, 15710, 0, 100, 0x10, 0x0},           // 333 Ao1: Table X[1] I16/100
    {16033, 15711, 6, 0, 0x10, 0x0},             // 334 Ao1: Table Y[1] AO
    {16033, 15712, 0, 100, 0x10, 0x0},           // 335 Ao1: Table X[2] I16/100
    {16033, 15713, 6, 0, 0x10, 0x0},             // 336 Ao1: Table Y[2] AO
    {16033, 15714, 0, 100, 0x10, 0x0},           // 337 Ao1: Table X[3] I16/100
    {16033, 15715, 6, 0, 0x10, 0x0},             // 338 Ao1: Table Y[3] AO
    {16033, 15716, 0, 100, 0x10, 0x0},           // 339 Ao1: Table X[4] I16/100
    {16033, 15717, 6, 0, 0x10, 0x0},             // 340 Ao1: Table Y[4] AO
    {16033, 15718, 0, 100, 0x10, 0x0},           // 341 Ao1: Table X[5] I16/100
    {16033, 15719, 6, 0, 0x10, 0x0},             // 342 Ao1: Table Y[5] AO
    {16033, 15720, 0, 100, 0x10, 0x0},           // 343 Ao1: Table X[6] I16/100
    {16033, 15721, 6, 0, 0x10, 0x0},             // 344 Ao1: Table Y[6] AO
    {16033, 15722, 0, 100, 0x10, 0x0},           // 345 Ao1: Table X[7] I16/100
    {16033, 15723, 6, 0, 0x10, 0x0},             // 346 Ao1: Table Y[7] AO
    {16033, 15724, 0, 100, 0x10, 0x0},           // 347 Ao1: Table X[8] I16/100
    {16033, 15725, 6, 0, 0x10, 0x0},             // 348 Ao1: Table Y[8] AO
    {16033, 15726, 0, 100, 0x10, 0x0},           // 349 Ao1: Table X[9] I16/100
    {16033, 15727, 6, 0, 0x10, 0x0},             // 350 Ao1: Table Y[9] AO
    {16034, 15700, 2, 3600, 0x20, 0x0},          // 351 Ao2: Input E3600
    {16034, 15701, 0, 100, 0x20, 0x0},           // 352 Ao2: Adjust zero I16/100
    {16034, 15702, 0, 100, 0x20, 0x0},           // 353 Ao2: Adjust span I16/100
    {16034, 15703, 2, 3900, 0x20, 0x0},          // 354 Ao2: Linearizer E3900
    {16034, 15704, 0, 100, 0x20, 0x0},           // 355 Ao2: Input 0% I16/100
    {16034, 15705, 6, 0, 0x20, 0x0},             // 356 Ao2: Output 0% AO
    {16034, 15706, 0, 100, 0x20, 0x0},           // 357 Ao2: Input 100% I16/100
    {16034, 15707, 6, 0, 0x20, 0x0},             // 358 Ao2: Output 100% AO
    {16034, 15708, 0, 100, 0x20, 0x0},           // 359 Ao2: Table X[0] I16/100
    {16034, 15709, 6, 0, 0x20, 0x0},             // 360 Ao2: Table Y[0] AO
    {16034, 15710, 0, 100, 0x20, 0x0},           // 361 Ao2: Table X[1] I16/100
    {16034, 15711, 6, 0, 0x20, 0x0},             // 362 Ao2: Table Y[1] AO
    {16034, 15712, 0, 100, 0x20, 0x0},           // 363 Ao2: Table X[2] I16/100
    {16034, 15713, 6, 0, 0x20, 0x0},             // 364 Ao2: Table Y[2] AO
    {16034, 15714, 0, 100, 0x20, 0x0},           // 365 Ao2: Table X[3] I16/100
    {16034, 15715, 6, 0, 0x20, 0x0},             // 366 Ao2: Table Y[3] AO
    {16034, 15716, 0, 100, 0x20, 0x0},           // 367 Ao2: Table X[4] I16/100
    {16034, 15717, 6, 0, 0x20, 0x0},             // 368 Ao2: Table Y[4] AO
    {16034, 15718, 0, 100, 0x20, 0x0},           // 369 Ao2: Table X[5] I16/100
    {16034, 15719, 6, 0, 0x20, 0x0},             // 370 Ao2: Table Y[5] AO
    {16034, 15720, 0, 100, 0x20, 0x0},           // 371 Ao2: Table X[6] I16/100
    {16034, 15721, 6, 0, 0x20, 0x0},             // 372 Ao2: Table Y[6] AO
    {16034, 15722, 0, 100, 0x20, 0x0},           // 373 Ao2: Table X[7] I16/100
    {16034, 15723, 6, 0, 0x20, 0x0},             // 374 Ao2: Table Y[7] AO
    {16034, 15724, 0, 100, 0x20, 0x0},           // 375 Ao2: Table X[8] I16/100
    {16034, 15725, 6, 0, 0x20, 0x0},             // 376 Ao2: Table Y[8] AO
    {16034, 15726, 0, 100, 0x20, 0x0},           // 377 Ao2: Table X[9] I16/100
    {16034, 15727, 6, 0, 0x20, 0x0},             // 378 Ao2: Table Y[9] AO
    {16035, 15700, 2, 3600, 0x40, 0x0},          // 379 Ao3: Input E3600
    {16035, 15701, 0, 100, 0x40, 0x0},           // 380 Ao3: Adjust zero I16/100
    {16035, 15702, 0, 100, 0x40, 0x0},           // 381 Ao3: Adjust span I16/100
    {16035, 15703, 2, 3900, 0x40, 0x0},          // 382 Ao3: Linearizer E3900
    {16035, 15704, 0, 100, 0x40, 0x0},           // 383 Ao3: Input 0% I16/100
    {16035, 15705, 6, 0, 0x40, 0x0},             // 384 Ao3: Output 0% AO
    {16035, 15706, 0, 100, 0x40, 0x0},           // 385 Ao3: Input 100% I16/100
    {16035, 15707, 6, 0, 0x40, 0x0},             // 386 Ao3: Output 100% AO
    {16035, 15708, 0, 100, 0x40, 0x0},           // 387 Ao3: Table X[0] I16/100
    {16035, 15709, 6, 0, 0x40, 0x0},             // 388 Ao3: Table Y[0] AO
    {16035, 15710, 0, 100, 0x40, 0x0},           // 389 Ao3: Table X[1] I16/100
    {16035, 15711, 6, 0, 0x40, 0x0},             // 390 Ao3: Table Y[1] AO
    {16035, 15712, 0, 100, 0x40, 0x0},           // 391 Ao3: Table X[2] I16/100
    {16035, 15713, 6, 0, 0x40, 0x0},             // 392 Ao3: Table Y[2] AO
    {16035, 15714, 0, 100, 0x40, 0x0},           // 393 Ao3: Table X[3] I16/100
    {16035, 15715, 6, 0, 0x40, 0x0},             // 394 Ao3: Table Y[3] AO
    {16035, 15716, 0, 100, 0x40, 0x0},           // 395 Ao3: Table X[4] I16/100
    {16035, 15717, 6, 0, 0x40, 0x0},             // 396 Ao3: Table Y[4] AO
    {16035, 15718, 0, 100, 0x40, 0x0},           // 397 Ao3: Table X[5] I16/100
    {16035, 15719, 6, 0, 0x40, 0x0},             // 398 Ao3: Table Y[5] AO
    {16035, 15720, 0, 100, 0x40, 0x0},           // 399 Ao3: Table X[6] I16/100
    {16035, 15721, 6, 0, 0x40, 0x0},             // 400 Ao3: Table Y[6] AO
    {16035, 15722, 0, 100, 0x40, 0x0},           // 401 Ao3: Table X[7] I16/100
    {16035, 15723, 6, 0, 0x40, 0x0},             // 402 Ao3: Table Y[7] AO
    {16035, 15724, 0, 100, 0x40, 0x0},           // 403 Ao3: Table X[8] I16/100
    {16035, 15725, 6, 0, 0x40, 0x0},             // 404 Ao3: Table Y[8] AO
    {16035, 15726, 0, 100, 0x40, 0x0},           // 405 Ao3: Table X[9] I16/100
    {16035, 15727, 6, 0, 0x40, 0x0},             // 406 Ao3: Table Y[9] AO
    {16036, 15700, 2, 3600, 0x80, 0x0},          // 407 Ao4: Input E3600
    {16036, 15701, 0, 100, 0x80, 0x0},           // 408 Ao4: Adjust zero I16/100
    {16036, 15702, 0, 100, 0x80, 0x0},           // 409 Ao4: Adjust span I16/100
    {16036, 15703, 2, 3900, 0x80, 0x0},          // 410 Ao4: Linearizer E3900
    {16036, 15704, 0, 100, 0x80, 0x0},           // 411 Ao4: Input 0% I16/100
    {16036, 15705, 6, 0, 0x80, 0x0},             // 412 Ao4: Output 0% AO
    {16036, 15706, 0, 100, 0x80, 0x0},           // 413 Ao4: Input 100% I16/100
    {16036, 15707, 6, 0, 0x80, 0x0},             // 414 Ao4: Output 100% AO
    {16036, 15708, 0, 100, 0x80, 0x0},           // 415 Ao4: Table X[0] I16/100
    {16036, 15709, 6, 0, 0x80, 0x0},             // 416 Ao4: Table Y[0] AO
    {16036, 15710, 0, 100, 0x80, 0x0},           // 417 Ao4: Table X[1] I16/100
    {16036, 15711, 6, 0, 0x80, 0x0},             // 418 Ao4: Table Y[1] AO
    {16036, 15712, 0, 100, 0x80, 0x0},           // 419 Ao4: Table X[2] I16/100
    {16036, 15713, 6, 0, 0x80, 0x0},             // 420 Ao4: Table Y[2] AO
    {16036, 15714, 0, 100, 0x80, 0x0},           // 421 Ao4: Table X[3] I16/100
    {16036, 15715, 6, 0, 0x80, 0x0},             // 422 Ao4: Table Y[3] AO
    {16036, 15716, 0, 100, 0x80, 0x0},           // 423 Ao4: Table X[4] I16/100
    {16036, 15717, 6, 0, 0x80, 0x0},             // 424 Ao4: Table Y[4] AO
    {16036, 15718, 0, 100, 0x80, 0x0},           // 425 Ao4: Table X[5] I16/100
    {16036, 15719, 6, 0, 0x80, 0x0},             // 426 Ao4: Table Y[5] AO
    {16036, 15720, 0, 100, 0x80, 0x0},           // 427 Ao4: Table X[6] I16/100
    {16036, 15721, 6, 0, 0x80, 0x0},             // 428 Ao4: Table Y[6] AO
    {16036, 15722, 0, 100, 0x80, 0x0},           // 429 Ao4: Table X[7] I16/100
    {16036, 15723, 6, 0, 0x80, 0x0},             // 430 Ao4: Table Y[7] AO
    {16036, 15724, 0, 100, 0x80, 0x0},           // 431 Ao4: Table X[8] I16/100
    {16036, 15725, 6, 0, 0x80, 0x0},             // 432 Ao4: Table Y[8] AO
    {16036, 15726, 0, 100, 0x80, 0x0},           // 433 Ao4: Table X[9] I16/100
    {16036, 15727, 6, 0, 0x80, 0x0},             // 434 Ao4: Table Y[9] AO
};

const ParameterDefinition kOutOfRange{0, 0, 0, 1, 0, 0};

}  // namespace

const ParameterDefinition& Definition(int word) {
    // A word outside the image has a row that applies to nothing.
    if (word < 0 || word >= kImageWords) return kOutOfRange;
    return kDefinitions[word];
}

bool StartsTwoWordEntry(int word) {
    const int32_t type = Definition(word).type;
    return type == kTypeValue32 || type == kTypeAddress;
}

}  // namespace voltaro
