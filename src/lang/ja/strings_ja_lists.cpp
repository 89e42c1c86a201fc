// Japanese enumeration and list entry texts. Codes, symbols, rates and sensor names that
// the device shows as they are keep their English form.
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    // Demand trigger.
    {1650, "接点入力"},
    {1651, "内部タイマ"},
    // Discrete input functions.
    {1700, "機能なし"},
    {1701, "デマンド値更新"},
    {1702, "電力量カウントリセット"},
    {1703, "警報解除"},
    {1704, "料金切替"},
    // Discrete output functions.
    {1800, "機能なし"},
    {1801, "電力量カウント"},
    {1802, "警報状態"},
    // LCD backlight operation mode.
    {1850, "自動"},
    {1851, "点灯"},
    {1852, "消灯"},
    // Transfer rate.
    {1900, "1200 bps"},
    {1901, "2400 bps"},
    {1902, "4800 bps"},
    {1903, "9600 bps"},
    {1904, "19200 bps"},
    {1905, "38400 bps"},
    // Parity.
    {1950, "なし"},
    {1951, "奇数"},
    {1952, "偶数"},
    // Stop bits.
    {2000, "1ビット"},
    {2001, "2ビット"},
    // Frequency input.
    {2150, "U1N"},
    {2151, "I1"},
    {2152, "50Hz固定"},
    {2153, "60Hz固定"},
    // Pulse unit, by energy count.
    {2200, "kWh/pulse"},
    {2201, "kvarh/pulse"},
    {2202, "kVAh/pulse"},
    // Alarm output, display-equipped meters.
    {2400, "無効"},
    {2401, "表示"},
    {2402, "表示 + Do1"},
    {2403, "表示 + Do2"},
    {2404, "表示 + Do3"},
    {2405, "表示 + Do4"},
    // Alarm output, meters without display.
    {2420, "無効"},
    {2421, "通信"},
    {2422, "通信 + Do1"},
    {2423, "通信 + Do2"},
    {2424, "通信 + Do3"},
    {2425, "通信 + Do4"},
    // Contact type of discrete inputs and outputs.
    {2500, "常時開(a接点)"},
    {2501, "常時閉(b接点)"},
    // Energy reading display unit.
    {2600, "k"},
    {2601, "-"},
    // Key operation lock.
    {2650, "すべてのキー操作が可能"},
    {2651, "すべてのキー操作をロック"},
    {2652, "設定モードへのキー操作のみロック"},
    // Power factor sign PF.
    {2750, "標準(IEC)"},
    {2751, "IEEE"},
    // Input line indication.
    {2800, "1 - 2 - 3"},
    {2801, "R - S - T"},
    // Phase direction indication (the second entry is what the display shows).
    {2850, "誘導性 / 容量性"},
    {2851, "LAG / LEAD"},
    // Reactive power sign Q.
    {2900, "標準(IEC)"},
    {2901, "送電時に反転(特殊)"},
    // Phase reactive power Qn.
    {3000, "標準(ベクトル S-P)"},
    {3001, "無効電力法(Σ UI)"},
    // Apparent power S.
    {3050, "標準(ベクトル P+Q)"},
    {3051, "和(S1+S2+S3)"},
    // Disable / enable switches.
    {3100, "無効"},
    {3101, "有効"},
    // Long register word order.
    {3150, "ノーマル"},
    {3151, "スワップ"},
    // Tariff.
    {3200, "高料金(ピーク時間帯)"},
    {3201, "低料金(オフピーク時間帯)"},
    // Modbus passcode protection state.
    {3400, "保護有効"},
    {3401, "保護無効"},
    {3402, "非対応"},
    // Measurand codes: the code as on the device, then the description.
    {3600, "(NULL)"},
    {3601, "I / 電流"},
    {3602, "U / 電圧"},
    {3603, "P / 有効電力"},
    {3604, "Q / 無効電力"},
    {3605, "S / 皮相電力"},
    {3606, "PF / 力率"},
    {3607, "F / 周波数"},
    {3608, "I1 / 1線電流"},
    {3609, "I2 / 2線電流"},
    {3610, "I3 / 3線電流"},
    {3611, "IN / 中性線電流"},
    {3633, "THDIN / 中性線電流THD"},
    {3643, "T-Q / 無効電力"},
    {3644, "T-PF / 力率"},
    // Energy display view and energy count (first generation).
    {3700, "EP / 有効電力量 受電"},
    {3708, "EQ-LEAD / 無効電力量 進み 送電"},
    {3709, "TIMER"},
    {3719, "L-TIMER, オフピーク"},
    // Linearizer.
    {3900, "リニア"},
    {3901, "テーブル"},
    // Power format.
    {4200, "電力 <= 9999 のときkを使用"},
    {4201, "電力 <= 9999 のときkを使用しない"},
    // Energy codes of the extended lists (5000 + code).
    {5000, "T-EP / 有効電力量 受電 合計"},
    {5312, "L-EPA / 有効電力量 オフピーク"},
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
    {5606, "カスタム-1"},
    {5607, "カスタム-2"},
    // Modbus transmission mode.
    {5650, "RTU (8ビット)"},
    {5651, "ASCII (7ビット)"},
    // Configuration mode (SW1-8).
    {5700, "DIP SW(OFF)"},
    {5701, "PC(ON)"},
    // Hourly energy rows.
    {5750, "00:00～01:00"},
    {5751, "01:00～02:00"},
    {5752, "02:00～03:00"},
    {5753, "03:00～04:00"},
    {5754, "04:00～05:00"},
    {5755, "05:00～06:00"},
    {5756, "06:00～07:00"},
    {5757, "07:00～08:00"},
    {5758, "08:00～09:00"},
    {5759, "09:00～10:00"},
    {5760, "10:00～11:00"},
    {5761, "11:00～12:00"},
    {5762, "12:00～13:00"},
    {5763, "13:00～14:00"},
    {5764, "14:00～15:00"},
    {5765, "15:00～16:00"},
    {5766, "16:00～17:00"},
    {5767, "17:00～18:00"},
    {5768, "18:00～19:00"},
    {5769, "19:00～20:00"},
    {5770, "20:00～21:00"},
    {5771, "21:00～22:00"},
    {5772, "22:00～23:00"},
    {5773, "23:00～00:00"},
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

}  // namespace voltaro::ja
