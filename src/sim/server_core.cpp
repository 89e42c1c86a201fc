#include "sim/server_core.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "core/comm/rtu_framing.h"
#include "sim/measured_values.h"

namespace voltaro::sim {

void SleepMs(double ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

ServerCore::ServerCore(DeviceModel& model, const SimulatorOptions& options)
    : model_(model),
      line_(options.line),
      unit_(static_cast<uint8_t>(options.device.unit)),
      log_(options.log),
      faults_(options.faults),
      random_(options.seed) {}

std::optional<std::vector<uint8_t>> ServerCore::Handle(const std::vector<uint8_t>& pdu,
                                                       const std::string& channel,
                                                       FaultDecision& decision) {
    FaultSettings faults;
    bool failWrite = false;
    bool loseWrite = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++counts_.requests;
        faults = faults_;
        if (!pdu.empty() && pdu[0] == kFunctionWriteMultiple) {
            ++writes_;
            // The refused write stays refused while the client repeats it.
            failWrite = writes_ == faults.failWrite || pdu == refusedWrite_;
            refusedWrite_ = failWrite ? pdu : std::vector<uint8_t>{};
            loseWrite = writes_ == faults.loseWrite;
        }
        // Always draw all four, so one fault's share does not shift another's sequence.
        std::uniform_real_distribution<double> share(0.0, 1.0);
        const double drop = share(random_), corrupt = share(random_);
        const double cut = share(random_), wrong = share(random_);
        decision.drop = drop < faults.drop;
        decision.corruptCrc = corrupt < faults.corruptCrc;
        decision.cutShort = cut < faults.shortAnswer;
        decision.wrongTransaction = wrong < faults.wrongTransaction;
    }
    if (decision.drop) {
        Count(&SimulatorCounts::dropped);
        if (log_) LogBytes(channel, "--", {}, "dropped (injected)");
        return std::nullopt;
    }
    std::vector<uint8_t> answer;
    if (failWrite) {
        answer = {static_cast<uint8_t>(pdu[0] | 0x80), kDeviceFailure};
        if (log_) LogBytes(channel, "--", {}, "write refused (injected)");
    } else if (loseWrite && pdu.size() >= 5) {
        answer.assign(pdu.begin(), pdu.begin() + 5);  // the echo of a write that was done
        if (log_) LogBytes(channel, "--", {}, "write lost (injected)");
    } else {
        answer = HandlePdu(model_, pdu, faults.exceptions);
    }
    SleepMs(line_.turnaroundMs + faults.delayMs);
    Count(&SimulatorCounts::answers);
    if (answer.size() >= 2 && (answer[0] & 0x80) != 0) Count(&SimulatorCounts::exceptions);
    return answer;
}

void ServerCore::LogBytes(const std::string& channel, const char* direction,
                          const std::vector<uint8_t>& bytes, const std::string& text) {
    if (!log_) return;
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    std::lock_guard<std::mutex> lock(mutex_);
    std::fprintf(stderr, "%02d:%02d:%02d.%03d %s %s %s%s%s\n", local.tm_hour, local.tm_min,
                 local.tm_sec, static_cast<int>(millis), channel.c_str(), direction,
                 HexBytes(bytes).c_str(), bytes.empty() ? "" : "  | ", text.c_str());
}

void ServerCore::Count(uint64_t SimulatorCounts::*counter) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++(counts_.*counter);
}

SimulatorCounts ServerCore::Counts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return counts_;
}

std::string ServerCore::Summary() const {
    const SimulatorCounts c = Counts();
    char text[400];
    std::snprintf(
        text, sizeof text,
        "requests %llu, answers %llu, exceptions %llu, dropped %llu, corrupted %llu, "
        "shortened %llu, wrong transactions %llu, bad CRC received %llu, other unit "
        "%llu, connections %llu",
        static_cast<unsigned long long>(c.requests), static_cast<unsigned long long>(c.answers),
        static_cast<unsigned long long>(c.exceptions), static_cast<unsigned long long>(c.dropped),
        static_cast<unsigned long long>(c.corrupted), static_cast<unsigned long long>(c.shortened),
        static_cast<unsigned long long>(c.wrongTransactions),
        static_cast<unsigned long long>(c.badCrc), static_cast<unsigned long long>(c.otherUnit),
        static_cast<unsigned long long>(c.connections));
    return text;
}

void ServerCore::SetFaults(const FaultSettings& faults) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_ = faults;
    writes_ = 0;
    refusedWrite_.clear();
}

FaultSettings ServerCore::Faults() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_;
}

}  // namespace voltaro::sim
