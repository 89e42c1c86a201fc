// Texts of the wiring check and of voltaro-cli wiring-check (ids in message_ids.h).
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgWiringLooksRight, "Wiring looks right"},
    {kMsgWiringNotAvailable, "Wiring check not available: %1!s!"},
    {kMsgWiringSystemWithoutVectors, "the wiring system \"%1!s!\" has no phase vectors."},
    {kMsgWiringDeviceWithoutVectors, "the device reports no phase vectors."},
    {kMsgWiringCurrentsNotJudged,
     "Voltages checked; currents not judged: the largest is below %1!s! of the rated "
     "current."},
    {kMsgWiringSequence, "Phase sequence: %1!s!"},
    {kMsgWiringSequenceReversed, "Phase sequence reversed (L1-L3-L2)"},
    {kMsgWiringVoltageAngles, "U1N at %1!s!°, U2N at %2!s!°, U3N at %3!s!°"},
    {kMsgWiringSequenceReversedHint,
     "Exchange two phases at the voltage inputs and at their CTs together, unless the supply "
     "really turns this way."},
    {kMsgWiringAnglesIrregular, "Voltage angles do not fit the wiring system"},
    {kMsgWiringAnglesIrregularHint,
     "Check that each voltage input is on its own phase and that the wiring system set in the "
     "device matches the installation."},
    {kMsgWiringVoltageMissing, "Voltage U%1!d! is missing"},
    {kMsgWiringVoltageMissingEvidence, "%1!s! V against a reference of %2!s! V"},
    {kMsgWiringVoltageMissingHint,
     "Check the voltage input of phase %1!d!: its fuse, terminal and wire."},
    {kMsgWiringCurrentMissing, "Current I%1!d! is missing"},
    {kMsgWiringCurrentMissingEvidence, "%1!s! A while the largest phase current is %2!s! A"},
    {kMsgWiringCurrentMissingHint,
     "Check the CT of phase %1!d!: a shorting link left in, an open wire or a loose terminal."},
    {kMsgWiringCurrentReversed, "Current I%1!d! is reversed"},
    {kMsgWiringCurrentAngle, "I%1!d! is %2!s!° from U%1!d!N; P%1!d! = %3!s! W"},
    {kMsgWiringCurrentReversedHint,
     "Turn the CT of phase %1!d! round or exchange its two secondary wires (S1, S2), unless "
     "this phase really feeds power back."},
    {kMsgWiringWrongPhase, "Current I%1!d! belongs to phase %2!d!"},
    {kMsgWiringWrongPhaseEvidence, "I%1!d! is %3!s!° from U%1!d!N but %4!s!° from U%2!d!N"},
    {kMsgWiringWrongPhaseHint,
     "The CT wired to input I%1!d! sits on phase %2!d!: move it to the current input of phase "
     "%2!d!, or move the voltage wires to match."},
    {kMsgWiringPowerFactorOff, "Power factor %1!s! is far from the %2!s! that the vectors suggest"},
    {kMsgWiringPowerFactorEvidence, "PF (sum) %1!s!; load angle from the vectors %2!s!°"},
    {kMsgWiringPowerFactorHint,
     "Power and energy readings are wrong while this lasts: correct the wiring faults found, "
     "and check the CT ratio and the wiring system set in the device."},
    {kMsgWiringReversedPower, "P%1!d! = %2!s! W against %3!s! W of the other phases"},
    {kMsgWiringUsage,
     "usage: voltaro-cli wiring-check [connection options] [--channel 1|2] [--json]\n"
     "Reads the phase angles, ratings, wiring system and instantaneous values of the connected\n"
     "meter and reports what looks wrong in its connection: the phase sequence, a reversed\n"
     "current, a missing voltage or current, a current on the wrong phase, and a power factor\n"
     "far from the one the vectors suggest, each with its evidence and a hint.\n"
     "  --channel 1|2  the measuring input of a device with two (default 1)\n"
     "  --json         the report as one JSON object\n"
     "Exit status: 0 wiring looks right (or the check is not available), 4 findings,\n"
     "1 the device could not be read, 2 bad arguments.\n"},
    {kMsgWiringEvidenceLine, "  Evidence: %1!s!"},
    {kMsgWiringHintLine, "  Hint: %1!s!"},
    {kMsgWiringUnexpectedArgument, "unexpected argument \"%1!s!\""},
    {kMsgWiringCurrentIrregular, "Current I%1!d! does not fit its voltage"},
    {kMsgWiringCurrentIrregularEvidence,
     "I%1!d! is %2!s!° from U%1!d!N; the mean load angle is %3!s!°"},
    {kMsgWiringCurrentIrregularHint,
     "Check the CT of phase %1!d! and its wiring; a strongly unbalanced load, or one with a "
     "power factor below 0.5, can also cause this."},
};

}  // namespace

const std::span<const StringEntry> kWiring{kData};

}  // namespace voltaro::strings
