#pragma once
// The max/min page of the meter monitor (in tab control 1001: "Trend", "Max", "Min"): the
// instantaneous grid 1003 and the demand grid 1004 of the view shown. The monitor cycle
// reads what the view needs and asks the page to fill itself from the store.
#include <QWidget>

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CMeasurandsKT2;

class CMaxMinPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 130;
    static constexpr int kIdInstantaneous = 1003;
    static constexpr int kIdDemand = 1004;

    explicit CMaxMinPage(QWidget* parent = nullptr);

    // Lays the demand grid out with the view's headings and clears both grids.
    void SetView(int view);
    int View() const { return view_; }
    void Fill(const CMeasurandsKT2& store);

    CDataGridView* Instantaneous() const;
    CDataGridView* Demand() const;

  private:
    CGridFrame* instantaneous_;
    CGridFrame* demand_;
    int view_ = 0;
};

}  // namespace voltaro
