#pragma once
// Pieces that every monitor window builds the same way: a tab bar over the page it
// switches, a titled group, and the status text with its colours.
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/monitor_status.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QTabBar;
class QWidget;

namespace voltaro {

class CGridFrame;
class CLedIndicator;

// A named tab bar with count tabs from the string firstTextId on.
QTabBar* MakeTabBar(QWidget* parent, int id, const char* name, int firstTextId, int count);
// A tab bar with the page it switches below it, framed like a tab widget.
QWidget* TabbedPage(QWidget* parent, QTabBar* tabs, QWidget* page);
QGroupBox* MonitorGroup(QWidget* parent, int textId, QWidget* content);

// The status indicator (16 x 16 pixels).
CLedIndicator* MakeIndicator(QWidget* parent, int id);
// The THD grid: "Latest" and "Max" of the ten sets, a current cell kept in rows 1 to 10
// (its row chooses the harmonic set of the graph).
CGridFrame* MakeThdGrid(QWidget* parent, int id);

// The status text: centred, wide enough for the communication error.
QLabel* MakeStatusLabel(QWidget* parent, int id);
// The indicator and the status text of a monitor window's bottom row, added to row.
constexpr int kIdMonitorStatus = 1074;
constexpr int kIdMonitorIndicator = 1135;
void AddStatusPair(QHBoxLayout* row, QWidget* parent, CLedIndicator*& led, QLabel*& status);
void ShowMonitorStatus(QLabel* label, const StatusView& status);
// The highlighted line that names what is in loop-test mode ("loop_test_status", hidden
// while empty); ShowLoopTestLine sets its text.
constexpr int kIdLoopTestStatus = 31102;
QLabel* MakeLoopTestLine(QWidget* parent);
void ShowLoopTestLine(QLabel* label, const std::string& text);
// Text colour and, when given, a filled background (0x00BBGGRR).
void ColourLabel(QLabel* label, std::uint32_t text, std::optional<std::uint32_t> back);

}  // namespace voltaro
