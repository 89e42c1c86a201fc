#pragma once
// Raw Modbus clients for the simulator tests: bytes over a loopback TCP socket and over
// the simulator's pseudo-terminal, with receive time-outs, so that tests see exactly
// what the device sends.
#include <cstdint>
#include <string>
#include <vector>

#include "core/comm/register_reader.h"
#include "core/model/device_type.h"
#include "sim/sim_options.h"

namespace voltaro::sim::test {

using Bytes = std::vector<uint8_t>;

Bytes ReadPdu(int address, int count);
Bytes WritePdu(int address, const std::vector<uint16_t>& values);

class RawTcp {
  public:
    explicit RawTcp(int port);
    ~RawTcp();
    void Send(const Bytes& bytes);
    // Reads until `count` bytes arrived or the time-out ran out.
    Bytes Receive(std::size_t count, int timeoutMs = 1000);
    // One recv call (what the program's own client does).
    Bytes ReceiveOnce(int timeoutMs = 1000);
    // Sends one request; returns the whole answer frame (MBAP header included), or
    // nothing after the time-out.
    Bytes Exchange(const Bytes& pdu, uint16_t transaction = 1, uint8_t unit = 1,
                   int timeoutMs = 1000);
    // The answer PDU of Exchange (empty on time-out).
    Bytes Request(const Bytes& pdu, uint16_t transaction = 1);
    bool ClosedByPeer(int timeoutMs = 1000);

  private:
    int fd_ = -1;
};

class RawRtu {
  public:
    explicit RawRtu(const std::string& path);
    ~RawRtu();
    void Send(const Bytes& bytes);
    // Reads until `count` bytes arrived, or `quietMs` passed without a byte.
    Bytes Receive(std::size_t count, int quietMs = 300);
    Bytes Exchange(uint8_t unit, const Bytes& pdu, std::size_t expected, int quietMs = 300);

  private:
    int fd_ = -1;
};

// Identification through a TCP connection (what ReadFromDevice needs).
class TcpRegisterReader : public IRegisterReader {
  public:
    explicit TcpRegisterReader(int port) : tcp_(port) {}
    bool ReadHoldingRegisters(int address, int count, uint16_t* values) override;

  private:
    RawTcp tcp_;
};

// Registers of a read answer PDU.
std::vector<uint16_t> Registers(const Bytes& answer);
uint32_t Pair(const std::vector<uint16_t>& regs, std::size_t at, bool highFirst = false);

// Options of a simulator for `row` that answers without a turnaround delay.
SimulatorOptions Row(int row);

}  // namespace voltaro::sim::test
