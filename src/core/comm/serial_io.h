#pragma once
// The serial port through which Modbus-RTU frames travel (RS-485 converter, configuration
// jack or infra-red adapter), on termios. Opened for each connection, never held between.
#include <termios.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/comm/com_settings.h"

namespace voltaro {

class CCancelEvent;

struct SerialLineSettings {
    uint32_t baud = 1200;
    int dataBits = 7;
    int parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space (other codes: none)
    int stopBits = 1;  // 1 or 2
    bool operator==(const SerialLineSettings&) const = default;
};

// Line settings for a connection: infra-red is always 1200 bit/s, 8 data bits, odd parity,
// one stop bit; otherwise the stored indexes (baud > 5 -> 1200, character >= 2 -> 7 bits,
// stop >= 2 -> one stop bit, parity passed through).
SerialLineSettings LineSettingsFor(const CComSettings& settings);
// "COMn" and "\\.\COMn" (any letter case) name /dev/ttyS(n-1); anything else is used as given.
std::string SerialDevicePath(const std::string& portName);
// Raw binary mode with the given line settings, no flow control, no parity checking
// of input. False for a baud rate that termios has no code for.
bool MakeRawTermios(termios& t, const SerialLineSettings& line);

class CSerialIO {
  public:
    CSerialIO() = default;
    virtual ~CSerialIO();
    CSerialIO(const CSerialIO&) = delete;
    CSerialIO& operator=(const CSerialIO&) = delete;

    // Private copy of the connection settings, refreshed by the client before each open.
    CComSettings settings;

    // Opens the infra-red or the RS-485 port of `settings`, exclusively (TIOCEXCL and an
    // flock that other instances respect); kMsgPortCannotOpen with the port's display name.
    void Open();
    // Open, then Configure with LineSettingsFor(settings).
    void OpenAndConfigure();
    // Applies the line settings in raw mode; kMsgPortSettingsFailed on failure.
    void Configure(const SerialLineSettings& line);
    // Writes the whole buffer and waits until it has been transmitted;
    // kMsgPortSettingsFailed when the port takes fewer bytes than asked.
    std::size_t Write(const uint8_t* bytes, std::size_t count);
    // One read bounded by a total time-out: returns when `count` bytes arrived, the
    // time-out ran out, or the cancel event was signalled. Returns the bytes read.
    std::size_t Read(uint8_t* buffer, std::size_t count, uint32_t timeoutMs,
                     const CCancelEvent* cancel = nullptr);
    // Drops late bytes of an earlier exchange: a 1 ms read of up to 512 bytes.
    void Purge();
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& PortPath() const { return portPath_; }
    const SerialLineSettings& AppliedLine() const { return applied_; }

  private:
    // Throws kMsgPortGone naming the port, with the system's text of error.
    [[noreturn]] void ThrowPortGone(int error) const;

    int fd_ = -1;
    std::string portPath_;
    SerialLineSettings applied_;
};

}  // namespace voltaro
