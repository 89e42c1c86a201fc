#include "sim/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/model/device_type.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro::sim {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

long long Integer(const std::string& option, const std::string& text, long long low,
                  long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        throw CPrivateException(option + " needs a whole number from " + std::to_string(low) +
                                " to " + std::to_string(high) + ", not \"" + text + "\".");
    }
    return value;
}

double Share(const std::string& option, const std::string& text) {
    double value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // NaN passes every comparison below: it is no share.
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0 || value > 1) {
        throw CPrivateException(option + " needs a share from 0 to 1, not \"" + text + "\".");
    }
    return value;
}

ExceptionRule ParseExceptionRule(const std::string& text) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos) {
        throw CPrivateException("--exception needs CODE@ADDR or CODE@FIRST-LAST, not \"" + text +
                                "\".");
    }
    ExceptionRule rule;
    rule.code = static_cast<uint8_t>(Integer("--exception code", text.substr(0, at), 1, 127));
    const std::string range = text.substr(at + 1);
    const std::size_t dash = range.find('-');
    rule.first = static_cast<int>(Integer("--exception address", range.substr(0, dash), 0, 65535));
    rule.last =
        dash == std::string::npos
            ? rule.first
            : static_cast<int>(Integer("--exception address", range.substr(dash + 1), 0, 65535));
    if (rule.last < rule.first) throw CPrivateException("--exception range ends before it starts.");
    return rule;
}

}  // namespace

std::string ModelText(int row) {
    for (const ModelPair& pair : ModelPairTable()) {
        if (pair.row != row) continue;
        std::string text = LoadString(kModelStringBase + pair.modelOffset);
        const std::size_t first = text.find('|');
        if (first != std::string::npos) {
            text.erase(first, 1);
            const std::size_t second = text.find('|', first);
            if (second != std::string::npos) text[second] = ' ';
        }
        return text;
    }
    return {};
}

int FindRowByModel(const std::string& text, int version) {
    const std::string wanted = Lower(text);
    std::vector<int> rows;
    for (const ModelPair& pair : ModelPairTable()) {
        if (Lower(ModelText(pair.row)).rfind(wanted, 0) != 0) continue;
        const DeviceTypeRecord& record = DeviceTypeTable()[static_cast<std::size_t>(pair.row)];
        if (version >= 0 && (version < record.versionMin || version > record.versionMax)) continue;
        if (std::find(rows.begin(), rows.end(), pair.row) == rows.end()) rows.push_back(pair.row);
    }
    if (rows.empty())
        throw CPrivateException("No model starts with \"" + text + "\" (see --list).");
    for (int row : rows) {
        if (Lower(ModelText(row)) == wanted) return row;  // the whole text names one model
    }
    if (rows.size() > 1) {
        std::string list;
        for (int row : rows)
            list += "\n  row " + std::to_string(row) + ": " + ModelText(row);
        throw CPrivateException("\"" + text +
                                "\" fits several models; give more of the text or "
                                "--firmware:" +
                                list);
    }
    return rows.front();
}

std::string RowListText() {
    std::string text;
    for (const DeviceTypeRecord& record : DeviceTypeTable()) {
        const std::string model = ModelText(record.index);
        text += std::to_string(record.index) + "\tid " + std::to_string(record.deviceId) +
                "\tversions " + std::to_string(record.versionMin) + "-" +
                std::to_string(record.versionMax) + "\t" +
                (model.empty() ? "(not listed)" : model) + "\n";
    }
    return text;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    SimulatorOptions& o = line.options;
    std::string model;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw CPrivateException(arg + " needs a value.");
            return args[++i];
        };
        if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (arg == "--list")
            line.listRows = true;
        else if (arg == "--row")
            o.device.row = static_cast<int>(Integer(arg, value(), 0, kDeviceTypeCount - 1));
        else if (arg == "--model")
            model = value();
        else if (arg == "--firmware")
            o.device.version = static_cast<int>(Integer(arg, value(), 0, 65535));
        else if (arg == "--version") {
            // Followed by a number it is the older spelling of --firmware.
            if (i + 1 < args.size() && !args[i + 1].empty() &&
                std::isdigit(static_cast<unsigned char>(args[i + 1][0])))
                o.device.version = static_cast<int>(Integer(arg, value(), 0, 65535));
            else
                line.version = true;
        } else if (arg == "--serial-number")
            o.device.serial = value();
        else if (arg == "--serial-port")
            line.serialPort = value();
        else if (arg == "--serial") {
            const std::string& text = value();
            if (!text.empty() && text[0] == '/')
                line.serialPort = text;
            else
                o.device.serial = text;
        } else if (arg == "--tag")
            o.device.tag = value();
        else if (arg == "--unit")
            o.device.unit = static_cast<int>(Integer(arg, value(), 1, 247));
        else if (arg == "--swap")
            o.device.swap = true;
        else if (arg == "--dip")
            o.device.dip = true;
        else if (arg == "--passcode")
            o.device.passcode = static_cast<uint32_t>(Integer(arg, value(), 1, 999999999));
        else if (arg == "--lenient")
            o.device.lenient = true;
        else if (arg == "--alt-io")
            o.device.alternateIo = true;
        else if (arg == "--tcp") {
            line.tcp = true;
            const std::string& text = value();
            const std::size_t colon = text.rfind(':');
            if (colon != std::string::npos) line.tcpHost = text.substr(0, colon);
            line.tcpPort = static_cast<int>(
                Integer(arg, text.substr(colon == std::string::npos ? 0 : colon + 1), 0, 65535));
        } else if (arg == "--pty") {
            line.pty = true;
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) line.ptyLink = args[++i];
            if (line.ptyLink.find('/') != std::string::npos) {
                throw CPrivateException("--pty takes a port name without '/', not \"" +
                                        line.ptyLink + "\".");
            }
        } else if (arg == "--baud")
            o.line.baud = static_cast<int>(Integer(arg, value(), 300, 115200));
        else if (arg == "--parity") {
            const std::string text = value();
            if (text.size() != 1) throw CPrivateException("--parity is N, E or O.");
            o.line.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        } else if (arg == "--stop")
            o.line.stopBits = static_cast<int>(Integer(arg, value(), 1, 2));
        else if (arg == "--line-speed")
            o.line.lineSpeed = true;
        else if (arg == "--turnaround-ms")
            o.line.turnaroundMs = static_cast<int>(Integer(arg, value(), 0, 60000));
        else if (arg == "--seed")
            o.seed = static_cast<uint64_t>(Integer(arg, value(), 0, INT64_MAX));
        else if (arg == "--drop")
            o.faults.drop = Share(arg, value());
        else if (arg == "--corrupt-crc")
            o.faults.corruptCrc = Share(arg, value());
        else if (arg == "--short")
            o.faults.shortAnswer = Share(arg, value());
        else if (arg == "--wrong-transaction")
            o.faults.wrongTransaction = Share(arg, value());
        else if (arg == "--delay-ms")
            o.faults.delayMs = static_cast<int>(Integer(arg, value(), 0, 600000));
        else if (arg == "--split-tcp")
            o.faults.splitTcp = static_cast<int>(Integer(arg, value(), 0, 255));
        else if (arg == "--close-after")
            o.faults.closeAfter = static_cast<int>(Integer(arg, value(), 0, 1000000000));
        else if (arg == "--fail-write")
            o.faults.failWrite = static_cast<int>(Integer(arg, value(), 1, 1000000000));
        else if (arg == "--lose-write")
            o.faults.loseWrite = static_cast<int>(Integer(arg, value(), 1, 1000000000));
        else if (arg == "--exception")
            o.faults.exceptions.push_back(ParseExceptionRule(value()));
        else if (arg == "--log")
            o.log = true;
        else if (arg == "--wiring")
            o.wiring = ParseWiringFault(value());
        else if (arg == "--fleet")
            line.fleetPath = value();
        else if (arg == "--bus")
            line.bus = ParseBusDevices(value());
        else
            throw CPrivateException("Unknown option \"" + arg + "\" (see --help).");
    }
    if (!model.empty()) o.device.row = FindRowByModel(model, o.device.version);
    if (!line.fleetPath.empty() && (line.tcp || line.pty || !line.serialPort.empty()))
        throw CPrivateException(
            "--fleet serves the fleet file's ports: no --tcp, --pty or --serial.");
    if (!line.bus.empty() && (!line.pty || line.tcp || !line.serialPort.empty()))
        throw CPrivateException("--bus serves a pseudo-terminal only: give --pty [NAME].");
    if (!line.tcp && !line.pty && line.serialPort.empty()) line.tcp = true;  // a free TCP port
    if (!line.help && !line.listRows && !line.version) ValidateOptions(o);
    return line;
}

std::string UsageText() {
    return R"(Usage: voltaro-sim [options]
A simulated device of one catalogue row on Modbus-TCP and/or Modbus-RTU.

Device:
  --row N                catalogue row 0-78 (default 0); --list shows them
  --model TEXT           the listed model whose text starts with TEXT, case-insensitive
                         (prefix and description joined, then the version note), e.g.
                         "KT2-1**2" --firmware 240, or "KT6-1**1 Modbus, Do x1, Di x1 Ver.3";
                         a text equal to a model's whole text picks that model
  --firmware V           firmware version (major*100+minor) within the row's range
                         (--version V is the same)
  --serial TEXT          serial number (8 bytes); --serial-number TEXT is the same
  --tag TEXT             tag number (16 bytes)
  --unit N               RTU address answered (1-247, default 1); TCP does not check it
  --swap                 32-bit values high word first (5735 and 5375 read 1)
  --dip                  configured by DIP switches (bit 0 of 20302/25502 is 0)
  --passcode N           protection on with passcode N (1-999999999)
  --lenient              unknown registers read as 0 and accept writes
  --alt-io               report the row's second I/O configuration (counter/DI variants)
Transports (default: --tcp 0):
  --tcp [HOST:]PORT      Modbus-TCP on HOST (default 127.0.0.1); port 0 picks a free one
  --pty [NAME]           Modbus-RTU on a new pseudo-terminal, published as NAME
                         (default VOLTARO-SIM-<pid>) in the virtual port directory
  --serial /dev/PATH     Modbus-RTU on a real serial port (--serial-port PATH is the same)
  --baud B --parity N|E|O --stop 1|2   line settings (default 9600 N 1)
  --line-speed           emulate the wire time of every frame (11 bits per byte)
  --turnaround-ms N      the device's own answer delay (default 5)
  --bus DEVICES          with --pty: several devices on one bus, DEVICES is a comma-separated
                         list of ROW@ADDRESS[:BAUD[/PARITY[/STOP]]] (without line settings a
                         device uses the bus's); each answers only its address at its baud
                         rate (a pseudo-terminal carries no parity: the parity is not checked)
Faults (deterministic for --seed N):
  --drop P               share of requests neither executed nor answered
  --corrupt-crc P        share of RTU answers with a wrong CRC
  --short P              share of answers cut to half their length
  --wrong-transaction P  share of TCP answers with the transaction id + 1
  --exception CODE@ADDR[-ADDR]  exception CODE for requests touching those registers
  --delay-ms N           extra delay before every answer
  --split-tcp N          send TCP answers in N segments, 2 ms apart
  --close-after N        close a TCP connection after answering N requests
  --fail-write N         refuse the N-th write request with exception 04, and its repetitions
                         until another write comes (once)
  --lose-write N         answer the N-th write request as done without storing it (once)
Installation (the measured values, angles and powers agree with it):
  --wiring FAULT         reversed-ct=N (CT of phase N backwards), swapped=A,B (current
                         inputs A and B exchanged), missing-v=N (voltage input N open) or
                         sequence=reversed (L1-L3-L2); N, A, B: 1-3
Fleet:
  --fleet FILE           every tcp device of a voltaro-cli fleet file in one process: each
                         HOST:PORT is a gateway whose units answer by unit id, each unit the
                         catalogue row of its `row` key (default --row); the other options
                         apply to every device
Output:
  --log                  every request and answer on stderr (hex and decoded)
  --list                 every catalogue row with its model text, then quit
  --help                 this text, then quit
  --version              the program's version, then quit
Exception answers: 01 function other than 4 and 16; 02 register not in the row's map
(or not writable); 03 quantity 0 or above 125 read / 123 written, byte count wrong, or a
value the register does not take; 04 write refused in the device's state (protected and
locked, loop-test values outside loop-test mode).
)";
}

}  // namespace voltaro::sim
