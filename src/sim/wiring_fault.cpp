#include "sim/wiring_fault.h"

#include <utility>

#include "core/platform/private_exception.h"

namespace voltaro::sim {
namespace {

constexpr const char* kWiringUsage =
    "--wiring is reversed-ct=N, swapped=A,B, missing-v=N or sequence=reversed (N, A, B: 1-3)";

int PhaseNumber(const std::string& text, const std::string& whole) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '3')
        throw CPrivateException(std::string(kWiringUsage) + ", not \"" + whole + "\".");
    return text[0] - '0';
}

}  // namespace

WiringFault ParseWiringFault(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::string name = text.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : text.substr(equals + 1);
    WiringFault fault;
    if (name == "reversed-ct") {
        fault.kind = WiringFault::kReversedCt;
        fault.phase = PhaseNumber(value, text);
    } else if (name == "missing-v") {
        fault.kind = WiringFault::kMissingVoltage;
        fault.phase = PhaseNumber(value, text);
    } else if (name == "swapped") {
        const std::size_t comma = value.find(',');
        fault.kind = WiringFault::kSwapped;
        fault.phase = PhaseNumber(value.substr(0, comma), text);
        fault.other = PhaseNumber(comma == std::string::npos ? "" : value.substr(comma + 1), text);
        if (fault.phase == fault.other)
            throw CPrivateException(std::string(kWiringUsage) + ", not \"" + text + "\".");
    } else if (name == "sequence" && value == "reversed") {
        fault.kind = WiringFault::kReversedSequence;
    } else {
        throw CPrivateException(std::string(kWiringUsage) + ", not \"" + text + "\".");
    }
    return fault;
}

void ApplyWiringFault(const WiringFault& fault, PhaseVectors& vectors) {
    const int k = fault.phase - 1;
    switch (fault.kind) {
        case WiringFault::kNone:
            break;
        case WiringFault::kReversedCt:
            vectors.currentAngle[k] += 180.0;
            break;
        case WiringFault::kSwapped: {
            const int j = fault.other - 1;
            std::swap(vectors.current[k], vectors.current[j]);
            std::swap(vectors.currentAngle[k], vectors.currentAngle[j]);
            break;
        }
        case WiringFault::kMissingVoltage:
            // An open input measures nothing, and no angle either.
            vectors.voltage[k] = 0;
            vectors.voltageAngle[k] = 0;
            break;
        case WiringFault::kReversedSequence:
            // The supply turns the other way round: each voltage mirrored about U1N,
            // every current keeping its angle to its own voltage.
            for (int p = 1; p < 3; ++p) {
                const double load = vectors.currentAngle[p] - vectors.voltageAngle[p];
                vectors.voltageAngle[p] = 2.0 * vectors.voltageAngle[0] - vectors.voltageAngle[p];
                vectors.currentAngle[p] = vectors.voltageAngle[p] + load;
            }
            break;
    }
}

}  // namespace voltaro::sim
