// Texts of the meter monitor and its log file: the names of measurand indexes and the
// messages (ids named in list_text_ids.h and message_ids.h).
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    // Names of the instantaneous values 0 .. 32.
    {kTextsMeasurandName + 0, "Current (sum)"},
    {kTextsMeasurandName + 1, "Voltage (sum)"},
    {kTextsMeasurandName + 2, "Active power (sum)"},
    {kTextsMeasurandName + 3, "Reactive power (sum)"},
    {kTextsMeasurandName + 4, "Apparent power (sum)"},
    {kTextsMeasurandName + 5, "Power factor (sum)"},
    {kTextsMeasurandName + 6, "Frequency"},
    {kTextsMeasurandName + 7, "Lead/lag (sum)"},
    {kTextsMeasurandName + 8, "Current 1"},
    {kTextsMeasurandName + 9, "Current 2"},
    {kTextsMeasurandName + 10, "Current 3"},
    {kTextsMeasurandName + 11, "N current"},
    {kTextsMeasurandName + 12, "Voltage 1-2"},
    {kTextsMeasurandName + 13, "Voltage 2-3"},
    {kTextsMeasurandName + 14, "Voltage 3-1"},
    {kTextsMeasurandName + 15, "Voltage 1-N"},
    {kTextsMeasurandName + 16, "Voltage 2-N"},
    {kTextsMeasurandName + 17, "Voltage 3-N"},
    {kTextsMeasurandName + 18, "Active power 1"},
    {kTextsMeasurandName + 19, "Active power 2"},
    {kTextsMeasurandName + 20, "Active power 3"},
    {kTextsMeasurandName + 21, "Reactive power 1"},
    {kTextsMeasurandName + 22, "Reactive power 2"},
    {kTextsMeasurandName + 23, "Reactive power 3"},
    {kTextsMeasurandName + 24, "Apparent power 1"},
    {kTextsMeasurandName + 25, "Apparent power 2"},
    {kTextsMeasurandName + 26, "Apparent power 3"},
    {kTextsMeasurandName + 27, "Power factor 1"},
    {kTextsMeasurandName + 28, "Power factor 2"},
    {kTextsMeasurandName + 29, "Power factor 3"},
    {kTextsMeasurandName + 30, "Lead/lag 1"},
    {kTextsMeasurandName + 31, "Lead/lag 2"},
    {kTextsMeasurandName + 32, "Lead/lag 3"},
    // Names of the values of an energy set.
    {kTextsEnergyName + 0, "Active energy in"},
    {kTextsEnergyName + 1, "Reactive energy LAG"},
    {kTextsEnergyName + 2, "Apparent energy"},
    {kTextsEnergyName + 3, "Active energy out"},
    {kTextsEnergyName + 4, "Reactive energy LEAD"},
    {kTextsEnergyName + 5, "Reactive energy LAG in"},
    {kTextsEnergyName + 6, "Reactive energy LEAD in"},
    {kTextsEnergyName + 7, "Reactive energy LAG out"},
    {kTextsEnergyName + 8, "Reactive energy LEAD out"},
    {kTextsEnergyName + 9, "Operating time"},
    {kTextsEnergyName + 10, "Reactive energy in"},
    {kTextsEnergyName + 11, "Reactive energy out"},
    {kTextsEnergyName + 12, "Active energy in-out"},
    {kTextsEnergyName + 13, "Reactive energy in+out"},
    // Names made of a prefix and another name.
    {kTextTariff1Name, "Tariff 1 %1!s!"},
    {kTextTariff2Name, "Tariff 2 %1!s!"},
    {kTextDemandName, "Demand %1!s!"},
    {kTextDemandHistoryName, "Demand history %1!d! %2!s!"},
    {kTextMaxName, "Max %1!s!"},
    {kTextMinName, "Min %1!s!"},
    {kTextThdName, "THD %1!s!"},
    {kTextMaxThdName, "Max THD %1!s!"},
    {kTextMaxDemandName, "Max demand %1!s!"},
    {kTextIndexName, "Measurand %1!d!"},
    // Names of the maximum power demands.
    {kTextsMaxDemandPowerName + 0, "Active power in"},
    {kTextsMaxDemandPowerName + 1, "Active power out"},
    {kTextsMaxDemandPowerName + 2, "Reactive power LAG"},
    {kTextsMaxDemandPowerName + 3, "Reactive power LEAD"},
    {kTextsMaxDemandPowerName + 4, "Apparent power"},
    // Messages of the monitor and its log file.
    {kMsgLogOtherHeader,
     "The file %1!s! already holds a log with other columns. It was left unchanged; "
     "choose another file."},
    {kMsgLogCannotOpen, "The log file %1!s! cannot be opened. %2!s!"},
    {kMsgLogCannotWrite, "The log file %1!s! cannot be written. %2!s!"},
    // Names of the ZC measurand indexes.
    {kTextZcChannelName, "%1!s! %2!s!"},
    {kTextMinDemandName, "Min demand %1!s!"},
    {kTextDeviceDateName, "Device date"},
    {kTextDeviceTimeName, "Device time"},
    {kTextZcHourlySection, "Hourly values"},
};

}  // namespace

const std::span<const StringEntry> kMonitor{kData};

}  // namespace voltaro::strings
