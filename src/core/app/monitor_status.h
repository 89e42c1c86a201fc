#pragma once
// The status text and indicator that every monitor window shows: "Communicating" in blue
// with the indicator blinking once per successful read, or "    Communication error    "
// in red, blinking white on red with the window's 500 ms timer, with a red/off indicator.
#include <cstdint>
#include <optional>
#include <string>

namespace voltaro {

// Colours as 0x00BBGGRR.
constexpr uint32_t kColorRed = 0x0000FF;
constexpr uint32_t kColorBlue = 0xFF0000;
constexpr uint32_t kColorWhite = 0xFFFFFF;
constexpr uint32_t kColorBlack = 0x000000;
constexpr uint32_t kColorGoldenrod = 0x20A5DA;
constexpr uint32_t kColorLedOn = 0xFF6464;  // the indicator's blink while communicating
constexpr uint32_t kColorLedOff = 0x000000;

// How the status text is drawn.
struct StatusView {
    std::string text;  // 11016 or 11024
    uint32_t textColor = kColorBlue;
    std::optional<uint32_t> backColor;  // white text on red while blinking on an error
};

class CMonitorStatus {
  public:
    // A read succeeded: "Communicating", the error cleared, the indicator toggled.
    void OnSuccess();
    // A read failed: "    Communication error    " until the next success.
    void OnFailure();
    // The window's 500 ms timer: blinks the error state.
    void OnTimer();

    StatusView Status() const;
    // The indicator colour; while in error it blinks red/off with the timer.
    uint32_t LedColor() const;
    bool CommError() const { return commError_; }
    bool BlinkOn() const { return blinkOn_; }

  private:
    int statusTextId_ = 0;  // none until the first read completed
    bool commError_ = false;
    bool blinkOn_ = false;
    uint32_t ledColor_ = kColorLedOff;
};

// The highlighted loop-test line for the channels whose bit is set in mask (bit c:
// channel c + 1), "LOOP TEST: channel 1, 3 reports test values"; empty when none is.
std::string LoopTestChannelsText(uint16_t mask);

}  // namespace voltaro
