#include "core/device/device_clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr int kCentury = 2000;
constexpr uint8_t kFirstSettableSecond = 0x06;
constexpr uint8_t kLastSettableSecond = 0x54;
// "Sync PC" waits for the device a little further from the minute's turn than "Set".
constexpr uint8_t kLastSyncSecond = 0x52;
constexpr int kSyncMarkMs = 950;

uint8_t HighByte(uint16_t w) {
    return static_cast<uint8_t>(w >> 8);
}
uint8_t LowByte(uint16_t w) {
    return static_cast<uint8_t>(w & 0xFF);
}

uint16_t Bcd(int value) {
    return static_cast<uint16_t>(((value / 10) << 4) | (value % 10));
}

uint16_t BcdPair(int high, int low) {
    return static_cast<uint16_t>(Bcd(high) << 8 | Bcd(low));
}

std::string Hex2(uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x", byte);
    return text;
}

// "%d" of a field: leading blanks, a sign and digits; the rest is ignored.
bool ParseField(const std::string& text, int& value) {
    return std::sscanf(text.c_str(), "%d", &value) == 1;
}

}  // namespace

PcTime LocalPcTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceEpoch = now.time_since_epoch();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    PcTime pc;
    pc.time = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
               local.tm_hour,        local.tm_min,     local.tm_sec};
    pc.milliseconds = static_cast<int>(ms < 0 ? ms + 1000 : ms);
    return pc;
}

uint8_t ClockSecondsByte(const ClockWords& words) {
    return LowByte(words[2]);
}

bool ClockProcessingNow(uint8_t s) {
    return s < kFirstSettableSecond || s > kLastSettableSecond;
}

bool ClockSettable(uint8_t s) {
    return !ClockProcessingNow(s);
}

std::string FormatDeviceClock(const ClockWords& w) {
    char text[64];
    std::snprintf(text, sizeof text, "%04x/%02x/%02x %02x:%02x:%02x", 0x2000 + HighByte(w[0]),
                  LowByte(w[0]), HighByte(w[1]), LowByte(w[1]), HighByte(w[2]), LowByte(w[2]));
    std::string shown = text;
    if (ClockProcessingNow(ClockSecondsByte(w))) shown += " " + LoadString(kMsgProcessingNow);
    return shown;
}

std::string FormatDateTime(const DateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::array<std::string, 6> ClockFields(const ClockWords& w) {
    return {"20" + Hex2(HighByte(w[0])), Hex2(LowByte(w[0])),  Hex2(HighByte(w[1])),
            Hex2(LowByte(w[1])),         Hex2(HighByte(w[2])), Hex2(LowByte(w[2]))};
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

DateCheck CheckDateFields(const std::array<std::string, 6>& f) {
    DateCheck check;
    DateTime& t = check.value;
    if (!ParseField(f[kFieldYear], t.year) || t.year < kCentury || t.year > kCentury + 99) {
        check.badField = kFieldYear;
    } else if (!ParseField(f[kFieldMonth], t.month) || t.month < 1 || t.month > 12) {
        check.badField = kFieldMonth;
    } else if (!ParseField(f[kFieldDay], t.day) || t.day < 1 ||
               t.day > DaysInMonth(t.year, t.month)) {
        check.badField = kFieldDay;
    }
    if (check.badField >= 0) return check;
    const struct {
        int field;
        int* value;
        int max;
    } rest[] = {
        {kFieldHour, &t.hour, 23}, {kFieldMinute, &t.minute, 59}, {kFieldSecond, &t.second, 59}};
    for (const auto& r : rest) {
        if (!ParseField(f[static_cast<std::size_t>(r.field)], *r.value)) *r.value = 0;
        if (*r.value < 0 || *r.value > r.max) {
            check.badField = r.field;
            return check;
        }
    }
    return check;
}

ClockWords EncodeClock(const DateTime& t) {
    return {BcdPair(t.year - kCentury, t.month), BcdPair(t.day, t.hour),
            BcdPair(t.minute, t.second)};
}

DateTime NextSecond(DateTime t) {
    if (++t.second < 60) return t;
    t.second = 0;
    if (++t.minute < 60) return t;
    t.minute = 0;
    if (++t.hour < 24) return t;
    t.hour = 0;
    if (++t.day <= DaysInMonth(t.year, t.month)) return t;
    t.day = 1;
    if (++t.month <= 12) return t;
    t.month = 1;
    ++t.year;
    return t;
}

ClockWords ReadClockWords(CModbusInterface& client) {
    ClockWords words{};
    client.ReadHoldingRegisters(kClockRegister, kClockRegisters, words.data());
    return words;
}

ClockWords ReadDeviceClock(CModbusInterface& client) {
    CDeviceLink link(client);
    return ReadClockWords(client);
}

bool SetDeviceClock(CModbusInterface& client, IPasscodeInteraction& interaction,
                    const DateTime& time) {
    CAccessRight access(client);
    CPasscodeProtection protection(interaction);
    if (!protection.Unlock(client)) return false;
    ClockWords words = EncodeClock(time);
    {
        CDeviceLink link(client);
        client.WriteMultipleRegisters(kClockRegister, kClockRegisters, words.data());
    }
    protection.Relock();
    return true;
}

SyncResult SyncDeviceClock(CModbusInterface& client, IPasscodeInteraction& interaction,
                           const PcClock& pcClock) {
    SyncResult result;
    CAccessRight access(client);
    CPasscodeProtection protection(interaction);
    if (!protection.Unlock(client)) return result;
    {
        CDeviceLink link(client);
        for (;;) {
            const uint8_t s = ClockSecondsByte(ReadClockWords(client));
            if (s >= kFirstSettableSecond && s <= kLastSyncSecond) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
        PcTime pc = pcClock();
        while (pc.milliseconds >= kSyncMarkMs) {
            pause();
            pc = pcClock();
        }
        while (pc.milliseconds < kSyncMarkMs) {
            pause();
            pc = pcClock();
        }
        // The next full second, with its carry: second 59 never becomes BCD 0x60.
        result.time = NextSecond(pc.time);
        ClockWords words = EncodeClock(result.time);
        client.WriteMultipleRegisters(kClockRegister, kClockRegisters, words.data());
    }
    protection.Relock();
    result.written = true;
    return result;
}

}  // namespace voltaro
