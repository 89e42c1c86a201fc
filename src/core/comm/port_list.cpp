#include "core/comm/port_list.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/comm/serial_io.h"
#include "core/platform/paths.h"

namespace voltaro {
namespace fs = std::filesystem;
namespace {

std::string ReadFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

// Prefix and number of a tty name we offer ("ttyUSB3" -> {"ttyUSB", 3}); number -1 otherwise.
std::pair<std::string, long> SplitTtyName(const std::string& name) {
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        std::string p(prefix);
        if (name.size() > p.size() && name.compare(0, p.size(), p) == 0 &&
            std::all_of(name.begin() + static_cast<long>(p.size()), name.end(),
                        [](char c) { return c >= '0' && c <= '9'; }) &&
            name.size() - p.size() <= 6)
            return {p, std::stol(name.substr(p.size()))};
    }
    return {{}, -1};
}

// The 8250 driver registers placeholder ttyS ports for hardware that may not be there:
// their port type is 0 ("unknown"), or, without a type attribute, their device is the
// serial8250 platform device itself.
bool IsPlaceholderPort(const fs::path& ttyDir, const fs::path& device) {
    std::error_code ec;
    if (fs::exists(ttyDir / "type", ec)) return ReadFirstLine(ttyDir / "type") == "0";
    fs::path real = fs::canonical(device, ec);
    if (!ec && real.filename() == "serial8250") return true;
    fs::path driver = fs::canonical(device / "driver", ec);
    return !ec && driver.filename() == "serial8250";
}

// The USB device's product name, found a few levels above the tty's device.
std::string ProductName(const fs::path& device) {
    std::error_code ec;
    fs::path dir = fs::canonical(device, ec);
    if (ec) return {};
    for (int level = 0; level < 5 && !dir.empty() && dir != dir.root_path(); ++level) {
        if (fs::exists(dir / "product", ec)) return ReadFirstLine(dir / "product");
        dir = dir.parent_path();
    }
    return {};
}

constexpr int kCandidatePorts = 16;

// The tty a list entry opens ("COM1" opens /dev/ttyS0), so that one port is listed once.
std::string OpenedDevice(const std::string& devicePath) {
    return fs::path(SerialDevicePath(devicePath)).lexically_normal().string();
}

bool Listed(const PortList& list, const std::string& devicePath) {
    const std::string device = OpenedDevice(devicePath);
    return std::any_of(list.begin(), list.end(), [&device](const PortEntry& entry) {
        return OpenedDevice(entry.devicePath) == device;
    });
}

// A port the system has, shown with its device path and, where known, its product name. A
// real ttyS port that a COM candidate opens takes the candidate's place, so that it is not
// listed twice.
void AddSystemPorts(const std::string& root, PortList& list) {
    struct Found {
        std::string prefix;
        long number;
        PortEntry entry;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        auto [prefix, number] = SplitTtyName(name);
        if (number < 0) continue;
        fs::path device = it->path() / "device";
        std::error_code exists;
        if (!fs::exists(device, exists)) continue;
        if (prefix == "ttyS" && IsPlaceholderPort(it->path(), device)) continue;
        const std::string path = "/dev/" + name;
        const std::string product = ProductName(device);
        std::string shown = product.empty() ? path : product + " (" + path + ")";
        if (prefix == "ttyS" && number < kCandidatePorts) {
            PortEntry& candidate = list[static_cast<std::size_t>(number)];
            candidate.displayName += " " + (product.empty() ? "(" + path + ")" : shown);
            continue;
        }
        found.push_back({prefix, number, {path, std::move(shown)}});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.number < b.number;
    });
    for (auto& f : found)
        list.push_back(std::move(f.entry));
}

// Links that simulators publish, under their own names; a link to a port already listed
// adds nothing.
void AddVirtualPorts(const std::string& folder, PortList& list) {
    // Links in a folder that another user owns or may write to could name any device.
    if (!IsPrivateDirectory(folder)) return;
    PortList found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        if (!it->is_symlink(linkError)) continue;
        fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError) continue;
        if (target.is_relative()) target = fs::path(folder) / target;
        found.push_back({target.lexically_normal().string(), it->path().filename().string()});
    }
    std::sort(found.begin(), found.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.displayName < b.displayName; });
    for (PortEntry& entry : found) {
        if (!Listed(list, entry.devicePath)) list.push_back(std::move(entry));
    }
}

}  // namespace

PortList BuildPortList(const std::string& sysfsTtyRoot, const std::string& virtualPortDir) {
    PortList list;
    for (int n = 1; n <= kCandidatePorts; ++n) {
        std::string name = "COM" + std::to_string(n);
        list.push_back({n <= 11 ? name : "\\\\.\\" + name, name});
    }
    AddSystemPorts(sysfsTtyRoot, list);
    AddVirtualPorts(virtualPortDir, list);
    return list;
}

PortList BuildPortList() {
    return BuildPortList("/sys/class/tty", VirtualPortDirectory());
}

std::string PortDevicePath(const PortList& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index].devicePath
                                                               : std::string();
}

std::string PortDisplayName(const PortList& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index].displayName
                                                               : std::string();
}

}  // namespace voltaro
