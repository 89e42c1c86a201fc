#pragma once
// Faulty installations the simulated device can be wired with: a current transformer
// mounted backwards, two current inputs exchanged, a voltage input left open, or the
// voltages connected in the reversed phase sequence. The fault is applied to the phase
// vectors before the device's powers are computed, so angles, currents, voltages and
// powers tell the same story.
#include <string>

namespace voltaro::sim {

struct WiringFault {
    enum Kind { kNone, kReversedCt, kSwapped, kMissingVoltage, kReversedSequence };
    Kind kind = kNone;
    int phase = 0;  // 1..3: the reversed CT, the open voltage, the first swapped input
    int other = 0;  // 1..3: the second swapped input
};

// "reversed-ct=N", "swapped=A,B", "missing-v=N" or "sequence=reversed" (N, A, B: 1..3,
// A != B); throws CPrivateException with a text that names the option otherwise.
WiringFault ParseWiringFault(const std::string& text);

// The phase vectors of one measuring input: magnitudes (V, A) and angles (degrees,
// clockwise positive) of U1N..U3N and I1..I3, as the inputs of the device see them.
struct PhaseVectors {
    double voltage[3] = {};
    double voltageAngle[3] = {};
    double current[3] = {};
    double currentAngle[3] = {};
};

// What the device's inputs see when the installation has `fault`.
void ApplyWiringFault(const WiringFault& fault, PhaseVectors& vectors);

}  // namespace voltaro::sim
