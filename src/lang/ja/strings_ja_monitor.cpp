// Japanese texts of the meter monitor and its log file.
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    // Names of the instantaneous values 0 .. 32.
    {kTextsMeasurandName + 0, "電流（合計）"},
    {kTextsMeasurandName + 1, "電圧（合計）"},
    {kTextsMeasurandName + 2, "有効電力（合計）"},
    {kTextsMeasurandName + 3, "無効電力（合計）"},
    {kTextsMeasurandName + 4, "皮相電力（合計）"},
    {kTextsMeasurandName + 5, "力率（合計）"},
    {kTextsMeasurandName + 6, "周波数"},
    {kTextsMeasurandName + 7, "進み/遅れ（合計）"},
    {kTextsMeasurandName + 8, "電流1"},
    {kTextsMeasurandName + 9, "電流2"},
    {kTextsMeasurandName + 10, "電流3"},
    {kTextsMeasurandName + 11, "N相電流"},
    {kTextsMeasurandName + 12, "電圧1-2"},
    {kTextsMeasurandName + 13, "電圧2-3"},
    {kTextsMeasurandName + 14, "電圧3-1"},
    {kTextsMeasurandName + 15, "電圧1-N"},
    {kTextsMeasurandName + 16, "電圧2-N"},
    {kTextsMeasurandName + 17, "電圧3-N"},
    {kTextsMeasurandName + 18, "有効電力1"},
    {kTextsMeasurandName + 19, "有効電力2"},
    {kTextsMeasurandName + 20, "有効電力3"},
    {kTextsMeasurandName + 21, "無効電力1"},
    {kTextsMeasurandName + 22, "無効電力2"},
    {kTextsMeasurandName + 23, "無効電力3"},
    {kTextsMeasurandName + 24, "皮相電力1"},
    {kTextsMeasurandName + 25, "皮相電力2"},
    {kTextsMeasurandName + 26, "皮相電力3"},
    {kTextsMeasurandName + 27, "力率1"},
    {kTextsMeasurandName + 28, "力率2"},
    {kTextsMeasurandName + 29, "力率3"},
    {kTextsMeasurandName + 30, "進み/遅れ1"},
    {kTextsMeasurandName + 31, "進み/遅れ2"},
    {kTextsMeasurandName + 32, "進み/遅れ3"},
    // Names of the values of an energy set.
    {kTextsEnergyName + 0, "有効電力量（受電）"},
    {kTextsEnergyName + 1, "無効電力量（遅れ）"},
    {kTextsEnergyName + 2, "皮相電力量"},
    {kTextsEnergyName + 3, "有効電力量（送電）"},
    {kTextsEnergyName + 4, "無効電力量（進み）"},
    {kTextsEnergyName + 5, "無効電力量（受電・遅れ）"},
    {kTextsEnergyName + 6, "無効電力量（受電・進み）"},
    {kTextsEnergyName + 7, "無効電力量（送電・遅れ）"},
    {kTextsEnergyName + 8, "無効電力量（送電・進み）"},
    {kTextsEnergyName + 9, "稼働時間"},
    {kTextsEnergyName + 10, "無効電力量（受電）"},
    {kTextsEnergyName + 11, "無効電力量（送電）"},
    {kTextsEnergyName + 12, "有効電力量（受電-送電）"},
    {kTextsEnergyName + 13, "無効電力量（受電+送電）"},
    // Names made of a prefix and another name.
    {kTextTariff1Name, "料金1 %1!s!"},
    {kTextTariff2Name, "料金2 %1!s!"},
    {kTextDemandName, "デマンド %1!s!"},
    {kTextDemandHistoryName, "デマンド履歴%1!d! %2!s!"},
    {kTextMaxName, "最大 %1!s!"},
    {kTextMinName, "最小 %1!s!"},
    {kTextThdName, "ひずみ率 %1!s!"},
    {kTextMaxThdName, "最大ひずみ率 %1!s!"},
    {kTextMaxDemandName, "最大デマンド %1!s!"},
    {kTextIndexName, "計測値 %1!d!"},
    // Names of the maximum power demands.
    {kTextsMaxDemandPowerName + 0, "有効電力（受電）"},
    {kTextsMaxDemandPowerName + 1, "有効電力（送電）"},
    {kTextsMaxDemandPowerName + 2, "無効電力（遅れ）"},
    {kTextsMaxDemandPowerName + 3, "無効電力（進み）"},
    {kTextsMaxDemandPowerName + 4, "皮相電力"},
    // Messages of the monitor and its log file.
    {kMsgLogOtherHeader,
     "ファイル %1!s! には別の列のログが記録されています。ファイルは変更していません。"
     "別のファイルを選んでください。"},
    {kMsgLogCannotOpen, "ログファイル %1!s! を開けません。%2!s!"},
    {kMsgLogCannotWrite, "ログファイル %1!s! に書き込めません。%2!s!"},
    // ZC計測値の名前
    {kTextZcChannelName, "%1!s! %2!s!"},
    {kTextMinDemandName, "最小デマンド %1!s!"},
    {kTextDeviceDateName, "機器の日付"},
    {kTextDeviceTimeName, "機器の時刻"},
    {kTextZcHourlySection, "時間別の値"},
};

}  // namespace

const std::span<const StringEntry> kMonitor{kData};

}  // namespace voltaro::ja
