#include "core/app/fleet_file.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/comm/connection_values.h"
#include "core/model/device_type.h"
#include "core/platform/file_io.h"
#include "core/platform/fleet_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

constexpr const char* kKeys[] = {"tcp",    "unit", "serial", "address", "baud",
                                 "parity", "stop", "tags",   "row"};
constexpr const char* kSerialKeys[] = {"address", "baud", "parity", "stop"};

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

template <std::size_t N>
bool OneOf(const std::string& key, const char* const (&names)[N]) {
    return std::find_if(std::begin(names), std::end(names),
                        [&](const char* n) { return key == n; }) != std::end(names);
}

[[noreturn]] void Refuse(const std::string& path, int line, const std::string& text) {
    throw CPrivateException(FormatMessageId(kMsgFleetAtLine, {path, line, text}));
}

struct KeyLine {
    int line = 0;
    std::string key;  // as written
    std::string value;
};

struct Section {
    FleetDevice device;
    std::map<std::string, KeyLine> keys;  // by folded key
};

void RefuseKey(const std::string& path, const Section& section, const KeyLine& key,
               const std::string& text) {
    Refuse(path, key.line, FormatMessageId(kMsgFleetAtKey, {section.device.name, key.key, text}));
}

const KeyLine* Find(const Section& section, const char* key) {
    auto it = section.keys.find(key);
    return it == section.keys.end() ? nullptr : &it->second;
}

FleetDevice Build(const std::string& path, Section section, const CComSettings& defaults) {
    FleetDevice& device = section.device;
    const KeyLine* tcp = Find(section, "tcp");
    const KeyLine* serial = Find(section, "serial");
    if (!tcp && !serial) Refuse(path, device.line, FormatMessageId(kMsgFleetNoLink, {device.name}));
    if (tcp && serial) RefuseKey(path, section, *serial, LoadString(kMsgFleetBothLinks));
    device.settings = defaults;
    // Behind a gateway the unit id is the device's own setting: 1 unless given.
    if (tcp) device.settings.address = 1;
    auto apply = [&](const KeyLine& key, const std::string& option) {
        const std::string error = ApplyConnectionValue(option, key.value, device.settings);
        if (!error.empty())
            RefuseKey(path, section, key, error + FormatMessageId(kTextCliGot, {key.value}));
    };
    apply(tcp ? *tcp : *serial, tcp ? "--tcp" : "--serial");
    for (const auto& [id, key] : section.keys) {
        if (tcp && OneOf(id, kSerialKeys))
            RefuseKey(path, section, key, LoadString(kMsgFleetSerialKey));
        if (serial && id == "unit") RefuseKey(path, section, key, LoadString(kMsgFleetTcpKey));
        if (OneOf(id, kSerialKeys)) apply(key, "--" + id);
        if (id == "unit") {
            const std::optional<int> unit = ParseProfileInt(key.value);
            if (!unit || key.value.find_first_not_of("0123456789") != std::string::npos ||
                !IsValidDeviceAddress(*unit))
                RefuseKey(path, section, key, LoadString(kMsgFleetUnit));
            device.settings.address = *unit;
        }
        if (id == "tags" && !ParseFleetTags(key.value, device.tags))
            RefuseKey(path, section, key, LoadString(kMsgFleetTags));
        if (id == "row") {
            const std::optional<int> row = ParseProfileInt(key.value);
            if (!row || key.value.find_first_not_of("0123456789") != std::string::npos ||
                *row >= kDeviceTypeCount)
                RefuseKey(path, section, key,
                          FormatMessageId(kMsgFleetRow, {kDeviceTypeCount - 1}));
            device.row = *row;
        }
    }
    return std::move(device);
}

}  // namespace

bool IsValidFleetName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.front() == '-') return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || u < 0x20 || u == 0x7F;
    });
}

bool ParseFleetTags(std::string_view text, std::vector<std::string>& tags) {
    tags.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        std::string_view item = text.substr(start, comma - start);
        while (!item.empty() && (item.front() == ' ' || item.front() == '\t'))
            item.remove_prefix(1);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t'))
            item.remove_suffix(1);
        if (item.empty()) return false;
        for (char c : item)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
                return false;
        tags.emplace_back(item);
        if (comma == std::string_view::npos) return true;
        start = comma + 1;
    }
}

FleetFile ParseFleetFile(const std::string& path, const std::string& text,
                         const CComSettings& defaults) {
    CIniFile ini;
    ini.Parse(text);
    FleetFile fleet{path, {}};
    std::vector<Section> sections;
    std::map<std::string, int> headerLines;  // folded device name -> line of its header
    for (const CIniFile::Entry& entry : ini.Entries()) {
        if (entry.kind == CIniFile::Entry::kOther)
            Refuse(path, entry.line, FormatMessageId(kMsgFleetStrayLine, {entry.value}));
        if (entry.kind == CIniFile::Entry::kHeader) {
            if (!IsValidFleetName(entry.section))
                Refuse(path, entry.line, FormatMessageId(kMsgFleetDeviceName, {entry.section}));
            const auto [it, added] = headerLines.emplace(Folded(entry.section), entry.line);
            if (!added)
                Refuse(path, entry.line,
                       FormatMessageId(kMsgFleetDuplicateDevice, {entry.section, it->second}));
            Section section;
            section.device.name = entry.section;
            section.device.line = entry.line;
            sections.push_back(std::move(section));
            continue;
        }
        Section& section = sections.back();  // key lines come after a header (else kOther)
        const std::string id = Folded(entry.key);
        const KeyLine key{entry.line, entry.key, entry.value};
        if (!OneOf(id, kKeys)) RefuseKey(path, section, key, LoadString(kMsgFleetUnknownKey));
        const auto [it, added] = section.keys.emplace(id, key);
        if (!added)
            RefuseKey(path, section, key,
                      FormatMessageId(kMsgFleetDuplicateKey, {it->second.line}));
    }
    for (Section& section : sections)
        fleet.devices.push_back(Build(path, std::move(section), defaults));
    return fleet;
}

FleetFile LoadFleetFile(const std::string& path, const CComSettings& defaults) {
    std::string text;
    const FileStatus status = ReadSmallFile(path, kMaxSettingsFileBytes, text);
    if (!status)
        throw CPrivateException(FormatMessageId(kMsgFleetCannotRead, {path, status.Text(path)}));
    return ParseFleetFile(path, text, defaults);
}

std::string FleetBusKey(const FleetDevice& device) {
    const CComSettings& s = device.settings;
    if (s.mode == ModbusTcp) return "tcp:" + Folded(s.serverAddress) + ":" + s.servicePort;
    return "serial:" + (s.mode == Infrared ? s.irComPortName : s.comPortName);
}

std::vector<FleetDevice> SelectFleetDevices(const FleetFile& fleet,
                                            const std::vector<std::string>& tags) {
    if (fleet.devices.empty())
        throw CPrivateException(FormatMessageId(kMsgFleetNoDevices, {fleet.path}));
    std::vector<FleetDevice> selected;
    for (const FleetDevice& device : fleet.devices) {
        const bool tagged = std::any_of(tags.begin(), tags.end(), [&](const std::string& tag) {
            return std::find(device.tags.begin(), device.tags.end(), tag) != device.tags.end();
        });
        if (tags.empty() || tagged) selected.push_back(device);
    }
    if (selected.empty()) {
        std::string list;
        for (const std::string& tag : tags)
            list += (list.empty() ? "" : ",") + tag;
        throw CPrivateException(FormatMessageId(kMsgFleetNoTagMatch, {fleet.path, list}));
    }
    return selected;
}

}  // namespace voltaro
