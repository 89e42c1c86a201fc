#include "sim/device_clock.h"

namespace voltaro::sim {
namespace {

bool FromBcd(uint8_t byte, int& value) {
    if ((byte & 0x0F) > 9 || (byte >> 4) > 9) return false;
    value = (byte >> 4) * 10 + (byte & 0x0F);
    return true;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

uint8_t ToBcd(int value) {
    return static_cast<uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

std::tm BreakDown(std::time_t deviceTime) {
    std::tm result{};
    gmtime_r(&deviceTime, &result);
    return result;
}

double HostWallClockOffset() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<double>(timegm(&local) - now);
}

void EncodeClock(const std::tm& time, RegisterFile& regs) {
    const auto word = [](int high, int low) {
        return static_cast<uint16_t>(ToBcd(high) << 8 | ToBcd(low));
    };
    regs.Set(kClockRegister, word(time.tm_year % 100, time.tm_mon + 1));
    regs.Set(kClockRegister + 1, word(time.tm_mday, time.tm_hour));
    regs.Set(kClockRegister + 2, word(time.tm_min, time.tm_sec));
}

bool DecodeClock(const uint16_t words[3], std::tm& time) {
    int year, month, day, hour, minute, second;
    if (!FromBcd(static_cast<uint8_t>(words[0] >> 8), year) ||
        !FromBcd(static_cast<uint8_t>(words[0]), month) ||
        !FromBcd(static_cast<uint8_t>(words[1] >> 8), day) ||
        !FromBcd(static_cast<uint8_t>(words[1]), hour) ||
        !FromBcd(static_cast<uint8_t>(words[2] >> 8), minute) ||
        !FromBcd(static_cast<uint8_t>(words[2]), second)) {
        return false;
    }
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(2000 + year, month) || hour > 23 ||
        minute > 59 || second > 59) {
        return false;
    }
    time = std::tm{};
    time.tm_year = 100 + year;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return true;
}

}  // namespace voltaro::sim
