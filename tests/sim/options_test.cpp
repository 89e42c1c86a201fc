// The voltaro-sim command line and the executable itself (started, used, ended by
// SIGTERM, leaving no symlink behind).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/platform/private_exception.h"
#include "raw_client.h"
#include "sim/options.h"

namespace voltaro::sim::test {
namespace {

std::string ErrorOf(const std::vector<std::string>& args) {
    try {
        ParseCommandLine(args);
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return "";
}

TEST(SimOptions, VersionAloneAsksForTheProgramsVersionAndWithANumberIsTheFirmware) {
    const CommandLine alone = ParseCommandLine({"--row", "4", "--version"});
    EXPECT_TRUE(alone.version);
    EXPECT_TRUE(ParseCommandLine({"--version", "--row", "4"}).version);
    // Asking for the version needs no valid device: an invalid passcode setting is not checked.
    EXPECT_TRUE(ParseCommandLine({"--row", "0", "--passcode", "3", "--version"}).version);

    const CommandLine firmware = ParseCommandLine({"--row", "38", "--firmware", "120"});
    EXPECT_FALSE(firmware.version);
    EXPECT_EQ(firmware.options.device.version, 120);
    EXPECT_EQ(ParseCommandLine({"--row", "38", "--version", "120"}).options.device.version, 120);
    EXPECT_NE(ErrorOf({"--row", "4", "--firmware", "240"}).find("outside"), std::string::npos);
}

TEST(SimOptions, ParsesDeviceTransportAndFaults) {
    const CommandLine line = ParseCommandLine({"--row",       "38",
                                               "--version",   "120",
                                               "--serial",    "SN42",
                                               "--tag",       "Line 3",
                                               "--unit",      "9",
                                               "--swap",      "--dip",
                                               "--passcode",  "1234",
                                               "--tcp",       "0.0.0.0:1502",
                                               "--pty",       "--drop",
                                               "0.25",        "--exception",
                                               "4@5600-5602", "--exception",
                                               "11@9601",     "--split-tcp",
                                               "3",           "--close-after",
                                               "5",           "--fail-write",
                                               "7",           "--lose-write",
                                               "9",           "--turnaround-ms",
                                               "0",           "--line-speed",
                                               "--seed",      "99",
                                               "--log"});
    const SimulatorOptions& o = line.options;
    EXPECT_EQ(o.device.row, 38);
    EXPECT_EQ(o.device.version, 120);
    EXPECT_EQ(o.device.serial, "SN42");
    EXPECT_EQ(o.device.unit, 9);
    EXPECT_TRUE(o.device.swap && o.device.dip);
    EXPECT_EQ(o.device.passcode, 1234u);
    EXPECT_EQ(line.tcpHost, "0.0.0.0");
    EXPECT_EQ(line.tcpPort, 1502);
    EXPECT_TRUE(line.pty);
    EXPECT_TRUE(line.ptyLink.empty());
    EXPECT_DOUBLE_EQ(o.faults.drop, 0.25);
    EXPECT_EQ(o.faults.failWrite, 7);
    EXPECT_EQ(o.faults.loseWrite, 9);
    ASSERT_EQ(o.faults.exceptions.size(), 2u);
    EXPECT_EQ(o.faults.exceptions[0].code, 4);
    EXPECT_EQ(o.faults.exceptions[0].last, 5602);
    EXPECT_EQ(o.faults.exceptions[1].first, 9601);
    EXPECT_EQ(o.faults.splitTcp, 3);
    EXPECT_EQ(o.line.turnaroundMs, 0);
    EXPECT_EQ(o.seed, 99u);
    const CommandLine port =
        ParseCommandLine({"--serial", "/dev/ttyUSB0", "--baud", "19200", "--parity", "e"});
    EXPECT_EQ(port.serialPort, "/dev/ttyUSB0");
    EXPECT_EQ(port.options.line.parity, 'E');
    EXPECT_FALSE(port.tcp);
    EXPECT_TRUE(ParseCommandLine({}).tcp);  // default: a free TCP port
}

TEST(SimOptions, WiringFaults) {
    const auto fault = [](const std::string& text) {
        return ParseCommandLine({"--wiring", text}).options.wiring;
    };
    EXPECT_EQ(ParseCommandLine({}).options.wiring.kind, WiringFault::kNone);
    EXPECT_EQ(fault("reversed-ct=2").kind, WiringFault::kReversedCt);
    EXPECT_EQ(fault("reversed-ct=2").phase, 2);
    const WiringFault swapped = fault("swapped=3,1");
    EXPECT_EQ(swapped.kind, WiringFault::kSwapped);
    EXPECT_EQ(swapped.phase, 3);
    EXPECT_EQ(swapped.other, 1);
    EXPECT_EQ(fault("missing-v=3").phase, 3);
    EXPECT_EQ(fault("sequence=reversed").kind, WiringFault::kReversedSequence);
    for (const char* bad : {"reversed-ct=4", "reversed-ct=0", "swapped=1,1", "swapped=1",
                            "swapped=1,2,3", "missing-v=", "sequence=forward", "crossed=1", ""}) {
        EXPECT_NE(ErrorOf({"--wiring", bad}).find("--wiring is"), std::string::npos) << bad;
    }
    EXPECT_NE(ErrorOf({"--wiring"}).find("needs a value"), std::string::npos);
}

TEST(SimOptions, ModelTextPicksARow) {
    EXPECT_EQ(FindRowByModel("kt6-1**1 modbus, do x1, di x1 ver.3", -1), 39);
    EXPECT_EQ(FindRowByModel("KT2-1**2", 240), 71);
    EXPECT_EQ(FindRowByModel("KT2-1**2", 239), 5);
    EXPECT_EQ(FindRowByModel("ZCTPQV-2*** Modbus-TCP, Input x8", -1), 61);  // whole text
    EXPECT_EQ(FindRowByModel("ZBDPQV-21*", -1), 37);
    EXPECT_NE(ErrorOf({"--model", "KT2-1**1"}).find("row 4: KT2-1**1"), std::string::npos);
    EXPECT_NE(ErrorOf({"--model", "XYZ"}).find("No model"), std::string::npos);
}

TEST(SimOptions, BadInputGetsAClearError) {
    EXPECT_NE(ErrorOf({"--row", "79"}).find("0 to 78"), std::string::npos);
    EXPECT_NE(ErrorOf({"--row", "4", "--version", "240"}).find("outside"), std::string::npos);
    for (const char* share : {"x", "nan", "-nan", "inf", "1.5", "-0.1", ""})
        EXPECT_NE(ErrorOf({"--drop", share}).find("share"), std::string::npos) << share;
    EXPECT_NE(ErrorOf({"--exception", "4:12"}).find("CODE@ADDR"), std::string::npos);
    EXPECT_NE(ErrorOf({"--exception", "4@9-3"}).find("ends before"), std::string::npos);
    EXPECT_NE(ErrorOf({"--tag", "seventeen chars!!"}).find("16"), std::string::npos);
    EXPECT_NE(ErrorOf({"--row", "52", "--swap"}).find("ZC"), std::string::npos);
    EXPECT_NE(ErrorOf({"--row", "0", "--version", "100", "--passcode", "3"}).find("no passcode"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"--row", "39", "--dip"}).find("ZB and ZC"), std::string::npos);
    EXPECT_NE(ErrorOf({"--pty", "a/b"}).find("without '/'"), std::string::npos);
    EXPECT_NE(ErrorOf({"--tcp"}).find("needs a value"), std::string::npos);
    EXPECT_NE(ErrorOf({"--frobnicate"}).find("Unknown option"), std::string::npos);
}

TEST(SimExecutable, ServesUntilSigtermAndRemovesItsLink) {
    const std::string binary = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-sim";
    const std::string link = "VOLTARO-SIM-EXE-" + std::to_string(getpid());
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        execl(binary.c_str(), binary.c_str(), "--row", "45", "--tcp", "0", "--pty", link.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    FILE* stream = fdopen(out[0], "r");
    char lineText[512] = {};
    int port = 0;
    std::string linkPath;
    for (int i = 0; i < 2 && std::fgets(lineText, sizeof lineText, stream); ++i) {
        std::string text = lineText;
        if (text.rfind("tcp ", 0) == 0) port = std::stoi(text.substr(text.rfind(':') + 1));
        if (text.rfind("pty ", 0) == 0)
            linkPath = text.substr(text.rfind(' ') + 1, text.size() - text.rfind(' ') - 2);
    }
    ASSERT_GT(port, 0);
    ASSERT_FALSE(linkPath.empty());
    {
        RawTcp tcp(port);
        EXPECT_EQ(Registers(tcp.Request(ReadPdu(9601, 1)))[0], 200);
        RawRtu rtu(linkPath);  // the published link opens the pty
        EXPECT_EQ(rtu.Exchange(1, ReadPdu(9600, 1), 7).size(), 7u);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    fclose(stream);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_NE(access(linkPath.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace voltaro::sim::test
