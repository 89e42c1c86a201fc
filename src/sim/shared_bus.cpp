#include "sim/shared_bus.h"

#include <charconv>
#include <cstdio>
#include <set>

#include "core/platform/private_exception.h"
#include "sim/device_model.h"
#include "sim/options.h"
#include "sim/rtu_server.h"
#include "sim/server_core.h"

namespace voltaro::sim {
namespace {

int Whole(const std::string& item, const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
        throw CPrivateException("--bus item \"" + item + "\" needs a number from " +
                                std::to_string(low) + " to " + std::to_string(high) +
                                " where it has \"" + text +
                                "\" (row@address[:baud[/parity[/"
                                "stop]]]).");
    }
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

BusDevice ParseItem(const std::string& item) {
    const std::size_t at = item.find('@');
    if (at == std::string::npos)
        throw CPrivateException("--bus item \"" + item + "\" is not row@address.");
    BusDevice device;
    device.row = Whole(item, item.substr(0, at), 0, kDeviceTypeCount - 1);
    const std::string rest = item.substr(at + 1);
    const std::size_t colon = rest.find(':');
    device.unit = Whole(item, rest.substr(0, colon), 1, 247);
    if (colon == std::string::npos) return device;
    const std::vector<std::string> line = Split(rest.substr(colon + 1), '/');
    if (line.size() > 3)
        throw CPrivateException("--bus item \"" + item + "\" has too many line settings.");
    LineOptions options;
    options.baud = Whole(item, line[0], 300, 115200);
    if (line.size() > 1) {
        if (line[1] != "N" && line[1] != "E" && line[1] != "O" && line[1] != "n" &&
            line[1] != "e" && line[1] != "o")
            throw CPrivateException("--bus item \"" + item + "\": the parity is N, E or O.");
        options.parity = static_cast<char>(line[1][0] & ~0x20);
    }
    if (line.size() > 2) options.stopBits = Whole(item, line[2], 1, 2);
    device.line = options;
    return device;
}

}  // namespace

std::vector<BusDevice> ParseBusDevices(const std::string& text) {
    std::vector<BusDevice> devices;
    std::set<int> units;
    for (const std::string& item : Split(text, ',')) {
        devices.push_back(ParseItem(item));
        if (!units.insert(devices.back().unit).second) {
            throw CPrivateException("--bus has two devices at address " +
                                    std::to_string(devices.back().unit) + ".");
        }
    }
    return devices;
}

SharedBus::SharedBus(const SimulatorOptions& common, const std::vector<BusDevice>& devices) {
    if (devices.empty()) throw CPrivateException("--bus needs at least one device.");
    for (const BusDevice& device : devices) {
        Member member;
        member.options = common;
        member.options.device.row = device.row;
        member.options.device.unit = device.unit;
        member.options.device.version = -1;
        member.options.device.serial.clear();
        if (device.line) {
            member.options.line.baud = device.line->baud;
            member.options.line.parity = device.line->parity;
            member.options.line.stopBits = device.line->stopBits;
        }
        ValidateOptions(member.options);
        member.model = std::make_unique<DeviceModel>(member.options);
        member.core = std::make_unique<ServerCore>(*member.model, member.options);
        members_.push_back(std::move(member));
    }
}

SharedBus::~SharedBus() {
    Stop();
}

std::string SharedBus::StartPty(const std::string& link) {
    if (rtu_) throw CPrivateException("The bus is already served.");
    std::vector<ServerCore*> cores;
    for (Member& member : members_)
        cores.push_back(member.core.get());
    auto server = std::make_unique<RtuServer>(std::move(cores));
    std::string slave = server->StartPty(link);
    rtu_ = std::move(server);
    return slave;
}

void SharedBus::Stop() {
    if (rtu_) rtu_->Stop();
    rtu_.reset();
}

std::string SharedBus::LinkPath() const {
    return rtu_ ? rtu_->LinkPath() : std::string();
}

const CDeviceType& SharedBus::Type(std::size_t index) const {
    return members_[index].model->Type();
}

SimulatorCounts SharedBus::Counts(std::size_t index) const {
    return members_[index].core->Counts();
}

std::string SharedBus::Summary() const {
    std::string text;
    for (const Member& member : members_) {
        const LineOptions& line = member.options.line;
        text += "address " + std::to_string(member.options.device.unit) + " (row " +
                std::to_string(member.options.device.row) + ", " + std::to_string(line.baud) + " " +
                line.parity + " " + std::to_string(line.stopBits) + "): " + member.core->Summary() +
                "\n";
    }
    return text;
}

int ServeSharedBus(const CommandLine& line, const sigset_t& endSignals) {
    try {
        SharedBus bus(line.options, line.bus);
        for (std::size_t i = 0; i < bus.Size(); ++i) {
            const SimulatorOptions& options = bus.Options(i);
            const std::string model = ModelText(options.device.row);
            std::fprintf(stderr, "voltaro-sim: address %d: row %d (%s), %d %c %d\n",
                         options.device.unit, options.device.row,
                         model.empty() ? "not listed" : model.c_str(), options.line.baud,
                         options.line.parity, options.line.stopBits);
        }
        const std::string slave = bus.StartPty(line.ptyLink);
        std::printf("pty %s %s\n", slave.c_str(), bus.LinkPath().c_str());
        std::fflush(stdout);
        int received = 0;
        sigwait(&endSignals, &received);
        bus.Stop();
        std::fputs(bus.Summary().c_str(), stderr);
    } catch (const CPrivateException& error) {
        std::fprintf(stderr, "voltaro-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace voltaro::sim
