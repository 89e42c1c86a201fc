#pragma once
// The name of a measurand index in the active language ("Current 1", "Max Voltage 1-2",
// "Tariff 1 Active energy in", "Counter3", ...), for lists and log headers that show
// indexes outside a page's grid. Every index of the meter part and every derived index
// has its own name; other indexes are named by number.
#include <string>

namespace voltaro {

std::string MeasurandLabel(int index);

// The name of an index as a ZC pass fills it: the page channels' slots named after the
// channel they hold ("3ch Latest", "9ch 00:00 to 01:00", "DI2 Counter", "5ch Max Current 1"),
// where page channel 0 holds channel firstChannel (0 .. 15: the module's first channel, or
// the channel of a detail read); the common values, THD and the device clock by what they
// are; other indexes as MeasurandLabel.
std::string ZcMeasurandLabel(int index, int firstChannel);

// The name of harmonic set 0 .. 9 as the THD grid labels its rows ("Current 1" ...,
// "Voltage 3"); empty outside 0 .. 9.
std::string HarmonicSetName(int set);

}  // namespace voltaro
