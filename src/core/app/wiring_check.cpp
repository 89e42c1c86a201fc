#include "core/app/wiring_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/app/vector_chart_model.h"
#include "core/model/model_list.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// The ZC series has no meter vectors.
constexpr int kDeviceZc = 7861;

// Slot units: current mA, voltage 0.01 V, power factor 0.0001.
constexpr double kCurrentUnit = 1000.0;
constexpr double kVoltageUnit = 100.0;
constexpr double kPowerFactorUnit = 10000.0;
constexpr double kPi = 3.14159265358979323846;
// A hypothesis pays this (degrees squared) for each current it moves or turns round, so
// that a fault is reported only when it explains the angles far better.
constexpr double kFaultPenalty = 400.0;
constexpr double kLoadAnglePenalty = 0.1;

// An angle difference in (-180, 180].
double Wrap(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

std::string Number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The circular mean of angles (degrees).
double MeanAngle(const std::vector<double>& angles) {
    double re = 0, im = 0;
    for (double a : angles) {
        re += std::cos(a * kPi / 180.0);
        im += std::sin(a * kPi / 180.0);
    }
    return std::atan2(im, re) * 180.0 / kPi;
}

struct Hypothesis {
    std::vector<int> voltage;   // per judged current: the voltage phase it fits
    std::vector<bool> flipped;  // per judged current: turned round
    double loadAngle = 0;
    double score = std::numeric_limits<double>::infinity();
    bool plausible = false;
};

class Checker {
  public:
    explicit Checker(const CMeasurandsKT2& store)
        : store_(store), data_(ComputeVectorData(store)) {}
    WiringReport Run();

  private:
    void FindPhases();
    void CheckVoltages();
    void CheckSequence();
    void CheckCurrents();
    void Search(std::size_t i, std::vector<bool>& used, Hypothesis& trial, Hypothesis& best) const;
    void Evaluate(Hypothesis& trial) const;
    void ReportHypothesis(const Hypothesis& chosen);
    void ReportIrregular(const Hypothesis& identity);
    void CheckPowerFlow(const Hypothesis& chosen);
    void CheckPowerFactor(double loadAngle);
    void Add(WiringFindingKind kind, int phase, int other, std::string title, std::string evidence,
             std::string hint);
    double Voltage(int p) const { return store_.Value(kIdxPhaseVoltage1 + p) / kVoltageUnit; }
    double Current(int p) const { return store_.Value(kIdxCurrent1 + p) / kCurrentUnit; }
    double Active(int p) const { return store_.Value(kIdxActivePower1 + p); }
    double Residual(int current, int voltage) const {
        return Wrap(data_.currentAngle[static_cast<std::size_t>(current)] -
                    data_.voltageAngle[static_cast<std::size_t>(voltage)]);
    }

    const CMeasurandsKT2& store_;
    VectorChartData data_;
    WiringReport report_;
    int system_ = 0;
    std::vector<int> voltagePhases_, currentPhases_;
    bool voltagePresent_[3] = {};
    bool currentPresent_[3] = {};
    std::vector<int> judged_;  // currents judged against the voltages
};

WiringReport Checker::Run() {
    system_ = store_.wiringSystem;
    if (system_ == kSinglePhase2Wire || system_ > kLastWiringSystem) {
        const std::string name = system_ > kLastWiringSystem
                                     ? std::to_string(system_)
                                     : LoadString(kWiringSystemFirstId + system_);
        report_.notAvailable = FormatMessageId(
            kMsgWiringNotAvailable, {FormatMessageId(kMsgWiringSystemWithoutVectors, {name})});
        return report_;
    }
    // Without vectors the monitor's read leaves both ratings at 0 (and the ZC series has
    // none to read).
    if (store_.deviceId == kDeviceZc || store_.ratedCurrent <= 0 || store_.ratedVoltage <= 0) {
        report_.notAvailable =
            FormatMessageId(kMsgWiringNotAvailable, {LoadString(kMsgWiringDeviceWithoutVectors)});
        return report_;
    }
    report_.available = true;
    FindPhases();
    CheckVoltages();
    CheckSequence();
    CheckCurrents();
    return report_;
}

void Checker::FindPhases() {
    for (int p = 0; p < 3; ++p) {
        if (VectorSkipped(data_, p)) continue;
        voltagePhases_.push_back(p);
        // Balanced-load systems have one CT: the device derives phases 2 and 3.
        if ((system_ != kThreePhase3WireBalanced && system_ != kThreePhase4WireBalanced) || p == 0)
            currentPhases_.push_back(p);
    }
}

void Checker::CheckVoltages() {
    const bool threeWire =
        system_ == kThreePhase3WireBalanced || system_ == kThreePhase3WireUnbalanced;
    if (threeWire) {
        // No neutral: a phase shows in the two line voltages it belongs to (U12, U23, U31).
        double line[3], largest = 0;
        for (int k = 0; k < 3; ++k) {
            line[k] = store_.Value(kIdxLineVoltage12 + k) / kVoltageUnit;
            largest = std::max(largest, line[k]);
        }
        const double low = kWiringLineVoltageShare * largest;
        for (int p : voltagePhases_) {
            const double a = line[p], b = line[(p + 2) % 3];
            voltagePresent_[p] = !(a < low && b < low);
            if (!voltagePresent_[p]) {
                Add(WiringFindingKind::kVoltageMissing, p + 1, 0,
                    FormatMessageId(kMsgWiringVoltageMissing, {p + 1}),
                    FormatMessageId(kMsgWiringVoltageMissingEvidence,
                                    {Number(std::min(a, b), 1), Number(largest, 1)}),
                    FormatMessageId(kMsgWiringVoltageMissingHint, {p + 1}));
            }
        }
        return;
    }
    double reference = store_.ratedVoltage;
    for (int p : voltagePhases_)
        reference = std::max(reference, Voltage(p));
    for (int p : voltagePhases_) {
        voltagePresent_[p] = Voltage(p) >= kWiringMissingVoltageShare * reference;
        if (!voltagePresent_[p]) {
            Add(WiringFindingKind::kVoltageMissing, p + 1, 0,
                FormatMessageId(kMsgWiringVoltageMissing, {p + 1}),
                FormatMessageId(kMsgWiringVoltageMissingEvidence,
                                {Number(Voltage(p), 1), Number(reference, 1)}),
                FormatMessageId(kMsgWiringVoltageMissingHint, {p + 1}));
        }
    }
}

void Checker::CheckSequence() {
    for (int p : voltagePhases_) {
        if (!voltagePresent_[p]) return;  // the angle of a missing voltage means nothing
    }
    const auto angle = [&](int p) { return data_.voltageAngle[static_cast<std::size_t>(p)]; };
    const auto near = [](double d, double target) {
        return std::fabs(Wrap(d - target)) <= kWiringSequenceToleranceDeg;
    };
    if (system_ == kSinglePhase3Wire) {
        if (voltagePhases_.size() == 2 &&
            !near(angle(voltagePhases_[1]) - angle(voltagePhases_[0]), 180.0))
            report_.sequence = PhaseSequence::kIrregular;
    } else if (system_ != kThreePhase3WireBalanced && system_ != kThreePhase4WireBalanced) {
        const double d2 = angle(1) - angle(0), d3 = angle(2) - angle(0);
        if (near(d2, 120.0) && near(d3, -120.0))
            report_.sequence = PhaseSequence::kForward;
        else if (near(d2, -120.0) && near(d3, 120.0))
            report_.sequence = PhaseSequence::kReversed;
        else
            report_.sequence = PhaseSequence::kIrregular;
    }
    const std::string evidence = FormatMessageId(
        kMsgWiringVoltageAngles, {Number(angle(0), 0), Number(angle(1), 0), Number(angle(2), 0)});
    if (report_.sequence == PhaseSequence::kReversed) {
        Add(WiringFindingKind::kSequenceReversed, 0, 0, LoadString(kMsgWiringSequenceReversed),
            evidence, LoadString(kMsgWiringSequenceReversedHint));
    } else if (report_.sequence == PhaseSequence::kIrregular) {
        Add(WiringFindingKind::kVoltageAnglesIrregular, 0, 0, LoadString(kMsgWiringAnglesIrregular),
            evidence, LoadString(kMsgWiringAnglesIrregularHint));
    }
}

void Checker::CheckCurrents() {
    double largest = 0;
    for (int p : currentPhases_)
        largest = std::max(largest, Current(p));
    if (largest < kWiringMinJudgedCurrentShare * store_.ratedCurrent) return;
    report_.currentsJudged = true;
    for (int p : currentPhases_) {
        currentPresent_[p] = Current(p) >= kWiringMissingCurrentShare * largest;
        if (!currentPresent_[p]) {
            Add(WiringFindingKind::kCurrentMissing, p + 1, 0,
                FormatMessageId(kMsgWiringCurrentMissing, {p + 1}),
                FormatMessageId(kMsgWiringCurrentMissingEvidence,
                                {Number(Current(p), 3), Number(largest, 3)}),
                FormatMessageId(kMsgWiringCurrentMissingHint, {p + 1}));
        } else if (voltagePresent_[p]) {
            judged_.push_back(p);
        }
    }
    if (judged_.empty()) return;

    // Correct wiring first; only when it does not fit, which voltage (turned round or not)
    // each current fits, all currents together.
    Hypothesis chosen;
    chosen.voltage = judged_;
    chosen.flipped.assign(judged_.size(), false);
    Evaluate(chosen);
    if (!chosen.plausible) {
        Hypothesis trial = chosen, best;
        std::vector<bool> used(3, false);
        Search(0, used, trial, best);
        if (best.plausible) {
            chosen = best;
            ReportHypothesis(chosen);
        } else {
            ReportIrregular(chosen);  // no guess: name the currents that do not fit
        }
    }
    CheckPowerFlow(chosen);
    CheckPowerFactor(chosen.loadAngle);
}

void Checker::Search(std::size_t i, std::vector<bool>& used, Hypothesis& trial,
                     Hypothesis& best) const {
    if (i == judged_.size()) {
        Evaluate(trial);
        if (trial.plausible && trial.score < best.score) best = trial;
        return;
    }
    for (int v : voltagePhases_) {
        if (used[static_cast<std::size_t>(v)] || !voltagePresent_[v]) continue;
        used[static_cast<std::size_t>(v)] = true;
        for (bool flip : {false, true}) {
            trial.voltage[i] = v;
            trial.flipped[i] = flip;
            Search(i + 1, used, trial, best);
        }
        used[static_cast<std::size_t>(v)] = false;
    }
}

void Checker::Evaluate(Hypothesis& trial) const {
    std::vector<double> residuals;
    int faults = 0;
    for (std::size_t i = 0; i < judged_.size(); ++i) {
        residuals.push_back(
            Wrap(Residual(judged_[i], trial.voltage[i]) - (trial.flipped[i] ? 180.0 : 0.0)));
        faults += (trial.voltage[i] != judged_[i] ? 1 : 0) + (trial.flipped[i] ? 1 : 0);
    }
    trial.loadAngle = MeanAngle(residuals);
    double spread = 0;
    trial.plausible = std::fabs(trial.loadAngle) <= kWiringMaxLoadAngleDeg;
    for (double r : residuals) {
        const double d = Wrap(r - trial.loadAngle);
        spread += d * d;
        trial.plausible = trial.plausible && std::fabs(d) <= kWiringMaxPhaseSpreadDeg;
    }
    trial.score =
        spread + kFaultPenalty * faults + kLoadAnglePenalty * trial.loadAngle * trial.loadAngle;
}

void Checker::ReportHypothesis(const Hypothesis& chosen) {
    for (std::size_t i = 0; i < judged_.size(); ++i) {
        const int p = judged_[i], v = chosen.voltage[i];
        if (v != p) {
            Add(WiringFindingKind::kCurrentWrongPhase, p + 1, v + 1,
                FormatMessageId(kMsgWiringWrongPhase, {p + 1, v + 1}),
                FormatMessageId(
                    kMsgWiringWrongPhaseEvidence,
                    {p + 1, v + 1, Number(Residual(p, p), 0), Number(Residual(p, v), 0)}),
                FormatMessageId(kMsgWiringWrongPhaseHint, {p + 1, v + 1}));
        }
        if (chosen.flipped[i]) {
            Add(WiringFindingKind::kCurrentReversed, p + 1, 0,
                FormatMessageId(kMsgWiringCurrentReversed, {p + 1}),
                FormatMessageId(kMsgWiringCurrentAngle,
                                {p + 1, Number(Residual(p, p), 0), Number(Active(p), 0)}),
                FormatMessageId(kMsgWiringCurrentReversedHint, {p + 1}));
        }
    }
}

void Checker::ReportIrregular(const Hypothesis& identity) {
    for (int p : judged_) {
        const double r = Residual(p, p);
        if (std::fabs(r) <= kWiringMaxLoadAngleDeg &&
            std::fabs(Wrap(r - identity.loadAngle)) <= kWiringMaxPhaseSpreadDeg)
            continue;
        Add(WiringFindingKind::kCurrentAngleIrregular, p + 1, 0,
            FormatMessageId(kMsgWiringCurrentIrregular, {p + 1}),
            FormatMessageId(kMsgWiringCurrentIrregularEvidence,
                            {p + 1, Number(r, 0), Number(identity.loadAngle, 0)}),
            FormatMessageId(kMsgWiringCurrentIrregularHint, {p + 1}));
    }
}

// A phase whose active power runs against the others' although its angle raised nothing.
void Checker::CheckPowerFlow(const Hypothesis& chosen) {
    if (judged_.size() < 2) return;
    for (std::size_t i = 0; i < judged_.size(); ++i) {
        const int p = judged_[i];
        if (chosen.voltage[i] != p || chosen.flipped[i]) continue;
        const double apparent = store_.Value(kIdxApparentPower1 + p);
        if (apparent <= 0) continue;  // phase powers are not measured (3-wire systems)
        // Only the phases in place tell which way power flows.
        double others = 0;
        bool anyOther = false;
        for (std::size_t j = 0; j < judged_.size(); ++j) {
            if (j == i || chosen.voltage[j] != judged_[j] || chosen.flipped[j]) continue;
            others += Active(judged_[j]);
            anyOther = true;
        }
        if (anyOther && Active(p) * others < 0 &&
            std::fabs(Active(p)) > kWiringReversedPowerShare * apparent) {
            Add(WiringFindingKind::kCurrentReversed, p + 1, 0,
                FormatMessageId(kMsgWiringCurrentReversed, {p + 1}),
                FormatMessageId(kMsgWiringReversedPower,
                                {p + 1, Number(Active(p), 0), Number(others, 0)}),
                FormatMessageId(kMsgWiringCurrentReversedHint, {p + 1}));
        }
    }
}

void Checker::CheckPowerFactor(double loadAngle) {
    if (store_.Value(kIdxApparentPowerSum) <= 0) return;  // no apparent power
    const double measured = store_.Value(kIdxPowerFactorSum) / kPowerFactorUnit;
    const double expected = std::cos(loadAngle * kPi / 180.0);
    if (std::fabs(std::fabs(measured) - expected) <= kWiringPowerFactorTolerance) return;
    Add(WiringFindingKind::kPowerFactorOff, 0, 0,
        FormatMessageId(kMsgWiringPowerFactorOff, {Number(measured, 2), Number(expected, 2)}),
        FormatMessageId(kMsgWiringPowerFactorEvidence, {Number(measured, 2), Number(loadAngle, 0)}),
        LoadString(kMsgWiringPowerFactorHint));
}

void Checker::Add(WiringFindingKind kind, int phase, int other, std::string title,
                  std::string evidence, std::string hint) {
    report_.findings.push_back(
        {kind, phase, other, std::move(title), std::move(evidence), std::move(hint)});
}

}  // namespace

WiringReport CheckWiring(const CMeasurandsKT2& store) {
    return Checker(store).Run();
}

std::string WiringSummaryText(const WiringReport& report) {
    if (!report.available) return report.notAvailable;
    // Also beside findings: what was not checked must not pass for checked.
    if (!report.currentsJudged) {
        return FormatMessageId(kMsgWiringCurrentsNotJudged,
                               {Number(kWiringMinJudgedCurrentShare * 100.0, 0) + " %"});
    }
    return report.findings.empty() ? LoadString(kMsgWiringLooksRight) : std::string();
}

std::string PhaseSequenceText(const WiringReport& report) {
    if (report.sequence == PhaseSequence::kForward)
        return FormatMessageId(kMsgWiringSequence, {"L1-L2-L3"});
    if (report.sequence == PhaseSequence::kReversed)
        return FormatMessageId(kMsgWiringSequence, {"L1-L3-L2"});
    return {};
}

}  // namespace voltaro
