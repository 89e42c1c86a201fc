#pragma once
// The device clock: three BCD registers (YYMM, DDhh, mmss) read, shown, checked and set,
// either from six typed fields or from the PC's clock to the second.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

using ClockWords = std::array<uint16_t, 3>;

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const DateTime&) const = default;
};

// A PC clock reading: local wall time and the milliseconds within its second.
struct PcTime {
    DateTime time;
    int milliseconds = 0;
};
using PcClock = std::function<PcTime()>;
// The PC's local time.
PcTime LocalPcTime();

// The seconds byte of the clock words.
uint8_t ClockSecondsByte(const ClockWords& words);
// The device is busy near a minute's turn: seconds 0x00-0x05 and 0x55 and above.
bool ClockProcessingNow(uint8_t secondsByte);
// "Set" and "Sync PC" are offered only for seconds 0x06 to 0x54.
bool ClockSettable(uint8_t secondsByte);
// The device's time as "YYYY/MM/DD hh:mm:ss", with " (Processing now...)" near a
// minute's turn (the BCD bytes shown as their hexadecimal digits).
std::string FormatDeviceClock(const ClockWords& words);
// The PC's time as "YYYY/MM/DD hh:mm:ss".
std::string FormatDateTime(const DateTime& time);

// The six field texts of clock words: year "20yy", the others two digits.
std::array<std::string, 6> ClockFields(const ClockWords& words);

// Indexes of the six fields.
enum ClockField { kFieldYear, kFieldMonth, kFieldDay, kFieldHour, kFieldMinute, kFieldSecond };

// The check of the six typed fields: years 2000-2099, months 1-12, real calendar dates,
// hour 0-23, minute and second 0-59; hour, minute and second texts that are no number
// count as 0. badField is the first field that fails (-1: none).
struct DateCheck {
    int badField = -1;
    DateTime value;
};
DateCheck CheckDateFields(const std::array<std::string, 6>& fields);

int DaysInMonth(int year, int month);
// The BCD words of a time (year 2000-2099).
ClockWords EncodeClock(const DateTime& time);
// The next full second, carried into minute, hour, date, month and year.
DateTime NextSecond(DateTime time);

// Reads the three clock registers (the caller holds the link open).
ClockWords ReadClockWords(CModbusInterface& client);
// Opens, reads the clock and closes under the client's lock; Modbus failures throw.
ClockWords ReadDeviceClock(CModbusInterface& client);

// "Set": unlocks the device, writes the three registers in one request and relocks. False
// when the user cancelled the passcode or it did not match; Modbus failures throw.
bool SetDeviceClock(CModbusInterface& client, IPasscodeInteraction& interaction,
                    const DateTime& time);

// "Sync PC": unlocks, waits until the device is clear of a minute's turn (seconds
// 0x06-0x52), waits for the PC clock's next 950 ms mark and writes that second + 1 (with
// its carry), then relocks. Returns the time written, or false as SetDeviceClock.
struct SyncResult {
    bool written = false;
    DateTime time;
};
SyncResult SyncDeviceClock(CModbusInterface& client, IPasscodeInteraction& interaction,
                           const PcClock& pcClock = LocalPcTime);

}  // namespace voltaro
