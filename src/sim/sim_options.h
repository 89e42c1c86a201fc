#pragma once
// Settings of one simulated device: which device it is, how its line behaves and which
// faults it injects. Shared by the command line (options.h) and the in-process API.
#include <cstdint>
#include <string>
#include <vector>

#include "sim/wiring_fault.h"

namespace voltaro::sim {

struct DeviceOptions {
    int row = 0;                      // catalogue row 0..78
    int version = -1;                 // firmware version; -1: DefaultVersion(row)
    std::string serial;               // up to 8 bytes; empty: "SIM" + row
    std::string tag = "VOLTARO-SIM";  // up to 16 bytes
    int unit = 1;                     // RTU address answered (TCP does not check it)
    bool swap = false;                // 32-bit values high word first (5735 and 5375 read 1)
    bool dip = false;                 // configured by DIP switches (bit 0 of 20302/25502 is 0)
    uint32_t passcode = 0;            // protection passcode; 0: protection off
    bool lenient = false;             // unknown registers read as 0, writes to them accepted
    bool alternateIo = false;         // report the row's second I/O configuration
};

// One --exception rule: requests touching [first, last] get exception `code`.
struct ExceptionRule {
    uint8_t code = 4;
    int first = 0;
    int last = 0;
};

struct FaultSettings {
    double drop = 0;              // share of requests neither executed nor answered
    double corruptCrc = 0;        // share of RTU answers with a wrong CRC
    double shortAnswer = 0;       // share of answers cut short
    double wrongTransaction = 0;  // share of TCP answers with another transaction id
    int delayMs = 0;              // extra delay before every answer
    int splitTcp = 0;             // TCP answers sent in this many segments (0, 1: whole)
    int closeAfter = 0;           // close a TCP connection after this many requests
    // One-shot write faults, counted over the write requests since the faults were set
    // (0: none): the failWrite-th is refused with exception 04 (nothing stored), and so are
    // its repetitions (the client's retries) until another write comes; the loseWrite-th is
    // answered as done but not stored. Later writes succeed.
    int failWrite = 0;
    int loseWrite = 0;
    std::vector<ExceptionRule> exceptions;
};

struct LineOptions {
    int baud = 9600;
    char parity = 'N';  // 'N', 'E' or 'O'
    int stopBits = 1;
    bool lineSpeed = false;  // emulate the wire time of every frame (11 bits per byte)
    int turnaroundMs = 5;    // the device's own answer delay
};

struct SimulatorOptions {
    DeviceOptions device;
    LineOptions line;
    FaultSettings faults;
    uint64_t seed = 1;   // seeds the fault decisions and the measurement noise
    bool log = false;    // every request and answer on stderr
    WiringFault wiring;  // a faulty installation to simulate (kNone: wired right)
};

// Firmware version a row reports when none is given: the top of a bounded range, else
// 102 for first-generation meters and at least 200 for everything else.
int DefaultVersion(int row);

// Checks the options against the catalogue; throws CPrivateException with a clear text.
void ValidateOptions(const SimulatorOptions& options);

}  // namespace voltaro::sim
