#pragma once
// Readable text of frames and link figures, shared by voltaro-cli's --trace and --stats
// and the desktop program's Communication window.
#include <cstdio>
#include <string>
#include <vector>

#include "core/comm/link_monitor.h"

namespace voltaro {

// "14:03:07.412" in local time.
std::string FrameTimeText(int64_t timeMs);
// "01 04 00 10" (upper-case hex, one space apart).
std::string FrameHexText(const std::vector<uint8_t>& bytes);
// What the frame means: the request, the values of an answer, or the error.
std::string FrameMeaningText(const FrameRecord& frame);
// time, connection, direction, hex and meaning on one line (no line end).
std::string FrameLine(const FrameRecord& frame);

// The figures of a connection as (name, value) rows, in a fixed order.
struct LinkFigure {
    std::string name;
    std::string value;
};
std::string LinkTitle(const LinkSnapshot& link);
std::vector<LinkFigure> LinkFigures(const LinkSnapshot& link);
// Every connection: its title, then "  name: value" rows.
std::string LinkStatisticsText(const std::vector<LinkSnapshot>& links);

// Writes every frame as a line to a stream (stderr for the debug trace and --trace).
class CFramePrinter : public IFrameListener {
  public:
    explicit CFramePrinter(std::FILE* out) : out_(out) {}
    void OnFrame(const FrameRecord& frame) override;

  private:
    std::FILE* out_;
};
CFramePrinter& StandardErrorFramePrinter();

}  // namespace voltaro
