#pragma once
// The wiring check: from the phase angles, ratings, wiring system and instantaneous values
// of a measurand store (after the meter monitor's identity and vector read and its read of
// the instantaneous values), what looks wrong in how the meter is connected: the phase
// sequence, a reversed current, a missing voltage or current, a current on the wrong phase
// and a power factor far from the one the vectors suggest. Each finding carries its
// evidence and a hint in the current language.
#include <string>
#include <vector>

namespace voltaro {

class CMeasurandsKT2;

// Tolerances. Angles are in degrees.
// The voltages of a three-phase supply are 120 degrees apart (single-phase 3-wire: 180);
// a voltage this far from its place makes the angles irregular.
constexpr double kWiringSequenceToleranceDeg = 20;
// The currents are in place when their mean load angle (current from its own voltage) is
// at most this large (PF >= 0.5) ...
constexpr double kWiringMaxLoadAngleDeg = 60;
// ... and each current's load angle is at most this far from that mean. Loads outside
// these bounds cannot be told from a wiring fault by their angles.
constexpr double kWiringMaxPhaseSpreadDeg = 30;
// A voltage below this share of the reference (the rating or the largest phase voltage)
// is missing; in a 3-wire system a phase is missing when both line voltages it belongs to
// are below kWiringLineVoltageShare of the largest.
constexpr double kWiringMissingVoltageShare = 0.2;
constexpr double kWiringLineVoltageShare = 0.8;
// A current below this share of the largest phase current is missing ...
constexpr double kWiringMissingCurrentShare = 0.05;
// ... when the largest reaches this share of the rated current; below it the currents are
// not judged.
constexpr double kWiringMinJudgedCurrentShare = 0.02;
// The measured power factor (sum) may differ this much from the vectors' one.
constexpr double kWiringPowerFactorTolerance = 0.2;
// A phase whose active power runs against the others' by more than this share of its
// apparent power is reversed.
constexpr double kWiringReversedPowerShare = 0.1;

enum class WiringFindingKind {
    kSequenceReversed,
    kVoltageAnglesIrregular,
    kVoltageMissing,
    kCurrentMissing,
    kCurrentReversed,
    kCurrentWrongPhase,
    kCurrentAngleIrregular,  // outside the tolerances, and no other assignment fits
    kPowerFactorOff,
};

struct WiringFinding {
    WiringFindingKind kind;
    int phase = 0;       // 1..3, 0 for the whole installation
    int otherPhase = 0;  // kCurrentWrongPhase: the phase whose voltage the current fits
    std::string title;
    std::string evidence;
    std::string hint;
};

enum class PhaseSequence { kNotJudged, kForward, kReversed, kIrregular };

struct WiringReport {
    bool available = false;
    std::string notAvailable;  // why, when !available
    PhaseSequence sequence = PhaseSequence::kNotJudged;
    bool currentsJudged = false;  // false: the load is too small to judge the currents
    std::vector<WiringFinding> findings;
};

WiringReport CheckWiring(const CMeasurandsKT2& store);

// One line for the whole report: "Wiring looks right", the reason it is not available,
// or that the currents could not be judged (also beside findings); otherwise empty when
// there are findings.
std::string WiringSummaryText(const WiringReport& report);
// "Phase sequence: L1-L2-L3" / "... L1-L3-L2"; empty when not judged or irregular.
std::string PhaseSequenceText(const WiringReport& report);

}  // namespace voltaro
