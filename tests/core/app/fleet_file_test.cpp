// The fleet file: what it accepts, the settings it gives each device, and the refusals that
// must name file, line, device and key.
#include <gtest/gtest.h>

#include <string>

#include "core/app/fleet_file.h"
#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

CComSettings ProfileDefaults() {
    CComSettings s;
    s.baudrate = 3;  // 9600
    s.parity = 2;
    s.stop = 1;
    s.address = 17;
    s.servicePort = "502";
    return s;
}

FleetFile Parse(const std::string& text) {
    return ParseFleetFile("plant.ini", text, ProfileDefaults());
}

// The text of the refusal of text ("" when it was accepted).
std::string Refusal(const std::string& text) {
    try {
        Parse(text);
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return {};
}

TEST(FleetFile, ReadsTcpAndSerialDevicesWithTheirDefaults) {
    const FleetFile fleet = Parse(
        "; the north hall\r\n"
        "[feeder-1]\r\n"
        "tcp = 192.0.2.10:1502\r\n"
        "unit = 3\r\n"
        "tags = hall-a, meters\r\n"
        "\r\n"
        "[Feeder-2]\r\n"
        "TCP = gw.example\r\n"
        "# comment\r\n"
        "[pump]\n"
        "serial = /dev/ttyUSB0\n"
        "baud = 19200\n"
        "row = 39\n");
    ASSERT_EQ(fleet.devices.size(), 3u);
    const FleetDevice& a = fleet.devices[0];
    EXPECT_EQ(a.name, "feeder-1");
    EXPECT_EQ(a.line, 2);
    EXPECT_EQ(a.settings.mode, ModbusTcp);
    EXPECT_EQ(a.settings.serverAddress, "192.0.2.10");
    EXPECT_EQ(a.settings.servicePort, "1502");
    EXPECT_EQ(a.settings.address, 3);
    EXPECT_EQ(a.tags, (std::vector<std::string>{"hall-a", "meters"}));
    EXPECT_EQ(a.row, -1);
    // Behind a gateway the unit is 1 unless given, whatever the profile's address; the
    // port is the profile's.
    const FleetDevice& b = fleet.devices[1];
    EXPECT_EQ(b.settings.address, 1);
    EXPECT_EQ(b.settings.servicePort, "502");
    // A serial device keeps the profile's line settings but those it names.
    const FleetDevice& c = fleet.devices[2];
    EXPECT_EQ(c.settings.mode, ModbusRtu);
    EXPECT_EQ(c.settings.comPortName, "/dev/ttyUSB0");
    EXPECT_EQ(c.settings.baudrate, 4);
    EXPECT_EQ(c.settings.parity, 2);
    EXPECT_EQ(c.settings.stop, 1);
    EXPECT_EQ(c.settings.address, 17);
    EXPECT_EQ(c.row, 39);
}

TEST(FleetFile, RefusalsNameFileLineDeviceAndKey) {
    struct Case {
        const char* text;
        const char* expected;  // the whole message
    };
    const Case cases[] = {
        {"[a]\ntcp = h\nport = 5\n",
         "plant.ini, line 3: [a] port: unknown key (a device takes tcp, unit, serial, address, "
         "baud, parity, stop, tags and row)"},
        {"[a]\ntcp = h\n[b]\ntcp = h\nunit = 2\n[A]\ntcp = h\n",
         "plant.ini, line 6: the device [A] is already named on line 1"},
        {"[a]\ntcp = h\nUnit = 2\nunit = 3\n",
         "plant.ini, line 4: [a] unit: given twice (first on line 3)"},
        {"[a]\ntags = x\n", "plant.ini, line 1: [a] needs tcp = HOST[:PORT] or serial = PORT"},
        {"[a]\ntcp = h\nserial = /dev/ttyS0\n",
         "plant.ini, line 3: [a] serial: tcp and serial cannot both be given"},
        {"[a]\ntcp = h:70000\n",
         "plant.ini, line 2: [a] tcp: --tcp HOST:PORT needs a port 1 to 65535 (got \"h:70000\")"},
        {"[a]\ntcp = :502\n",
         "plant.ini, line 2: [a] tcp: --tcp needs a host name or address (got \":502\")"},
        {"[a]\ntcp = h\nunit = 0\n", "plant.ini, line 3: [a] unit: unit must be 1 to 247"},
        {"[a]\ntcp = h\nunit = 248\n", "plant.ini, line 3: [a] unit: unit must be 1 to 247"},
        {"[a]\ntcp = h\nunit = +5\n", "plant.ini, line 3: [a] unit: unit must be 1 to 247"},
        {"[a]\ntcp = h\naddress = 5\n",
         "plant.ini, line 3: [a] address: applies to serial devices only"},
        {"[a]\nserial = /dev/ttyS0\nunit = 5\n",
         "plant.ini, line 3: [a] unit: applies to tcp devices only"},
        {"[a]\nserial = /dev/ttyS0\naddress = 0\n",
         "plant.ini, line 3: [a] address: --address must be 1 to 247 (got \"0\")"},
        {"[a]\nserial = /dev/ttyS0\nbaud = 9601\n",
         "plant.ini, line 3: [a] baud: --baud must be one of 1200, 2400, 4800, 9600, 19200, "
         "38400 (got \"9601\")"},
        {"[a]\nserial = /dev/ttyS0\nparity = mark\n",
         "plant.ini, line 3: [a] parity: --parity must be none, odd or even (got \"mark\")"},
        {"[a]\nserial = /dev/ttyS0\nstop = 3\n",
         "plant.ini, line 3: [a] stop: --stop must be 1 or 2 (got \"3\")"},
        {"[a]\nserial =\n",
         "plant.ini, line 2: [a] serial: --serial needs a device path or COMn (got \"\")"},
        {"[a]\ntcp = h\ntags = x,,y\n",
         "plant.ini, line 3: [a] tags: tags must be names (letters, digits, \"-\", \"_\", \".\") "
         "separated by commas"},
        {"[a]\ntcp = h\nrow = 79\n",
         "plant.ini, line 3: [a] row: row must be a catalogue row 0 to 78"},
        {"tcp = h\n[a]\ntcp = h\n",
         "plant.ini, line 1: neither a [device] header nor KEY = VALUE inside one: \"tcp = h\""},
        {"[a]\ntcp = h\njunk\n",
         "plant.ini, line 3: neither a [device] header nor KEY = VALUE inside one: \"junk\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Refusal(c.text), c.expected) << c.text;
}

TEST(FleetFile, NamesThatCannotNameAFileAreRefused) {
    for (const char* name : {"..", ".", "a/b", "a\\b", "-rf", "a\tb"}) {
        const std::string refusal = Refusal(std::string("[") + name + "]\ntcp = h\n");
        EXPECT_NE(refusal.find("plant.ini, line 1: the device name"), std::string::npos) << name;
    }
    EXPECT_EQ(Refusal("[Hall A meter 3.1]\ntcp = h\n"), "");
    EXPECT_EQ(Refusal("[\xE5\x8F\x97\xE9\x9B\xBB]\ntcp = h\n"), "");  // non-ASCII names are fine
}

TEST(FleetFile, BusKeysSeparateGatewaysByHostAndPortAndPortsByPath) {
    const FleetFile fleet = Parse(
        "[a]\ntcp = GW1:502\n[b]\ntcp = gw1:502\nunit = 2\n[c]\ntcp = gw1:503\n"
        "[d]\ntcp = gw2:502\n[e]\nserial = /dev/ttyS0\naddress = 1\n"
        "[f]\nserial = /dev/ttyS0\naddress = 2\n[g]\nserial = /dev/ttyS1\n");
    std::vector<std::string> keys;
    for (const FleetDevice& d : fleet.devices)
        keys.push_back(FleetBusKey(d));
    EXPECT_EQ(keys[0], keys[1]);  // host names compare without case
    EXPECT_NE(keys[1], keys[2]);  // same host, other port: another gateway
    EXPECT_NE(keys[0], keys[3]);
    EXPECT_EQ(keys[4], keys[5]);
    EXPECT_NE(keys[5], keys[6]);
    EXPECT_NE(keys[6], keys[3]);
}

TEST(FleetFile, TagsSelectDevicesAndAnEmptySelectionIsRefused) {
    const FleetFile fleet = Parse(
        "[a]\ntcp = h\ntags = x\n[b]\ntcp = h\nunit = 2\ntags = y, z\n[c]\ntcp = h\nunit = 3\n");
    EXPECT_EQ(SelectFleetDevices(fleet, {}).size(), 3u);
    const auto selected = SelectFleetDevices(fleet, {"z", "x"});
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0].name, "a");
    EXPECT_EQ(selected[1].name, "b");
    try {
        SelectFleetDevices(fleet, {"w", "v"});
        ADD_FAILURE() << "no device has the tags";
    } catch (const CPrivateException& e) {
        EXPECT_EQ(e.Message(), "no device of plant.ini has one of the tags w,v");
    }
    EXPECT_THROW(SelectFleetDevices(Parse("; nothing\n"), {}), CPrivateException);
}

}  // namespace
}  // namespace voltaro
