#pragma once
// The ZC main page of the power management monitor: the hourly energies of eight
// channels (grid 1158) with a "Reset" button under each column, and their present values
// (grid 1159) with a "Detail" and a "Reset" button under each column. The monitor fills it
// from the store after each read; the buttons ask the monitor to act through signals.
#include <QWidget>
#include <array>

class QPushButton;

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CMeasurandsKT2;

class CZCMainPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 161;
    static constexpr int kIdUpper = 1158;
    static constexpr int kIdLower = 1159;
    // Buttons from the left: Reset under the upper grid, Detail, Reset under the lower grid.
    static constexpr std::array<int, 8> kIdHourlyReset{1163, 1169, 1170, 1171,
                                                       1172, 1173, 1174, 1175};
    static constexpr std::array<int, 8> kIdDetail{1160, 1161, 1162, 1164, 1165, 1166, 1167, 1168};
    static constexpr std::array<int, 8> kIdEnergyReset{1176, 1177, 1178, 1179,
                                                       1180, 1181, 1182, 1183};

    explicit CZCMainPage(QWidget* parent = nullptr);

    // Lays both grids out for the module view, enables the Detail buttons (not for the
    // discrete inputs) and clears the cells.
    void SetView(int view);
    int View() const { return view_; }
    void Fill(const CMeasurandsKT2& store);

    CDataGridView* Upper() const;
    CDataGridView* Lower() const;

  signals:
    // Button i (0 .. 7) from the left.
    void DetailClicked(int i);
    void ResetClicked(int i, int value);

  private:
    QWidget* ButtonRow(const std::array<int, 8>& ids, const char* name, int textId,
                       std::array<QPushButton*, 8>& buttons);

    CGridFrame* upper_;
    CGridFrame* lower_;
    std::array<QPushButton*, 8> hourlyReset_{};
    std::array<QPushButton*, 8> detail_{};
    std::array<QPushButton*, 8> energyReset_{};
    int view_ = 0;
};

}  // namespace voltaro
