// Texts of voltaro-cli's monitor command: section titles of its table, log columns of
// the harmonic spectra, its help and its messages (ids named in list_text_ids.h and
// message_ids.h).
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextMonitorSectionTitle, "%1!s!: %2!s!"},
    {kTextHarmonicColumn, "%1!s! harmonic %2!d!"},
    {kMsgMonitorUsage,
     "usage: voltaro-cli monitor [connection options] [--channel 1|2] [--interval SECONDS]\n"
     "                           [--count N | --once] [--json | --csv FILE] [--harmonics SET,...]\n"
     "                           [--module basic|extension | --detail CH]\n"
     "Reads the device's measured values pass after pass: instantaneous values, maxima and\n"
     "minima, demand, energies, THD, counters, analogue outputs and the device's identity.\n"
     "A device of the ZC series gives the hourly energies and the present values of eight\n"
     "channels and its clock, or with --detail one channel's values, demand and THD.\n"
     "  --channel 1|2        the measuring input of a device with two (default 1)\n"
     "  --module basic|extension\n"
     "                       ZC series: the channels of the basic module (1ch to 8ch, the\n"
     "                       default) or of the extension module (9ch to 16ch, or the\n"
     "                       counts of the discrete inputs DI1 to DI8)\n"
     "  --detail CH          ZC series: channel CH (1 to 16) in detail: trend, maxima and\n"
     "                       minima with demand, and THD; --harmonics also takes its spectra\n"
     "  --interval SECONDS   from the start of one pass to the start of the next (default 1;\n"
     "                       0: at once)\n"
     "  --count N, --once    end after N passes, after one pass\n"
     "  --json               one JSON object per pass on standard output (JSON Lines)\n"
     "  --csv FILE           one row per pass in FILE: the time, then one column per value;\n"
     "                       a file with the same columns is appended to, a file with other\n"
     "                       columns is left unchanged\n"
     "  --harmonics SET,...  also read these harmonic spectra: 0 current 1, 1 current 2,\n"
     "                       2 current 3, 3 N current, 4 voltage 1-2, 5 voltage 2-3,\n"
     "                       6 voltage 3-1, 7 voltage 1, 8 voltage 2, 9 voltage 3, or all\n"
     "Without --json and --csv a terminal shows a table refreshed after every pass, and\n"
     "other outputs get a block of text per pass. A failed pass is reported and the next\n"
     "one is tried. Ctrl-C stops the pass in flight and ends the run.\n"
     "Exit status: 0 when passes were completed (with --count or --once: all of them);\n"
     "1 when one of the counted passes failed, when nothing was measured, or when the log\n"
     "file cannot be used; 2 for wrong options, also --channel 2 on a device with one\n"
     "measuring input and --module extension on a ZC device without an extension module.\n"},
    {kMsgMonitorChannelOption, "--channel must be 1 or 2."},
    {kMsgMonitorIntervalOption, "--interval must be a number of seconds from 0 to 86400."},
    {kMsgMonitorCountOption, "--count must be a whole number from 1 to 1000000000."},
    {kMsgMonitorHarmonicsOption,
     "--harmonics takes harmonic sets from 0 to 9 separated by commas, or all."},
    {kMsgMonitorOptionsExclusive, "%1!s! and %2!s! cannot be used together."},
    {kMsgMonitorUnexpectedArgument, "Unexpected argument \"%1!s!\"."},
    {kMsgMonitorNoSecondInput,
     "The connected device has one measuring input: --channel 2 needs a device with two."},
    {kMsgMonitorPassFailed, "The pass at %1!s! failed: %2!s!"},
    {kMsgMonitorNothingMeasured, "Stopped before a pass was completed."},
    {kMsgMonitorOutputFailed, "The output cannot be written. %1!s!"},
    {kMsgMonitorCsvFileOption, "--csv needs a file name."},
    {kMsgZcModuleOption, "--module must be basic or extension."},
    {kMsgZcDetailOption, "--detail must be a channel from 1 to 16."},
    {kMsgZcNoExtensionModule,
     "The connected device has no extension module: --module extension needs one."},
    {kMsgZcDetailBeyondInputs,
     "The connected device has %1!d! measuring inputs: --detail %2!d! is not one of them."},
    {kMsgZcOptionsNeedZc,
     "--module and --detail serve the ZC series; the connected device is not one."},
    {kMsgZcMonitorChannel,
     "A device of the ZC series takes --detail CH for one channel, not --channel."},
    {kMsgZcHarmonicsNeedDetail,
     "On a device of the ZC series --harmonics needs --detail CH: spectra are read per "
     "channel."},
};

}  // namespace

const std::span<const StringEntry> kMonitorCli{kData};

}  // namespace voltaro::strings
