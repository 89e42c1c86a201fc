#pragma once
// The max/min page of the channel detail (in its "Trend"/"Max"/"Min" tabs): the
// instantaneous grid 1003 and the two-column demand grid 1004 of the view shown, with the
// channel's reset buttons for demand and maxima/minima.
#include <QWidget>
#include <array>

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CMeasurandsKT2;

class CZCMaxMinPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 163;
    static constexpr int kIdInstantaneous = 1003;
    static constexpr int kIdDemand = 1004;
    // Reset buttons with their values, in the order they are laid out.
    struct ResetButton {
        int id;
        int textId;
        uint16_t value;
    };
    static const std::array<ResetButton, 9>& ResetButtons();

    explicit CZCMaxMinPage(QWidget* parent = nullptr);

    // Lays the demand grid out with the view's heading and clears both grids.
    void SetView(int view);
    int View() const { return view_; }
    void Fill(const CMeasurandsKT2& store);

    CDataGridView* Instantaneous() const;
    CDataGridView* Demand() const;

  signals:
    void ResetClicked(int value);

  private:
    QWidget* BuildResets();

    CGridFrame* instantaneous_;
    CGridFrame* demand_;
    int view_ = 0;
};

}  // namespace voltaro
