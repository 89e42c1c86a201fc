#pragma once
// One harmonic spectrum as 31 vertical bars (orders 1 to 31, the first always 100 %),
// with the order and the level of each bar written upwards below it. The owner selects a
// harmonic set (SelectSet): until that set's data arrive (SetData) only the grid and the
// order labels are drawn. Painted into an off-screen picture that is copied in one go.
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

namespace voltaro {

class CMeasurandsKT2;

class CHarmonicsGraph : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kOrders = 31;
    static constexpr std::uint16_t kFullLevel = 1000;  // 100.0 %

    explicit CHarmonicsGraph(QWidget* parent = nullptr);

    // Copies the selected set of the store (orders 2 to 31) and draws the bars.
    void SetData(const CMeasurandsKT2& store);
    // The same from the 30 words of one set (order 2 first), in units of 0.1 %.
    void SetLevels(const std::uint16_t* words);
    // Asks for another set: the bars disappear until its data arrive.
    void SelectSet(int set);

    int SelectedSet() const { return selectedSet_; }
    bool Waiting() const { return waiting_; }
    const std::array<std::uint16_t, kOrders>& Levels() const { return levels_; }

    // Where things are drawn, in widget pixels, for a widget of the given size: the graph
    // is a whole number of equal columns wide, centred; the bands sit at the bottom.
    struct Geometry {
        int left;         // x of the first grid line
        int columnWidth;  // width of one order's column
        int barBottom;    // y of the line below the bars (top of the value band)
        int orderTop;     // y of the line above the order labels
        int bottom;       // y of the lowest line
    };
    Geometry GeometryFor(const QSize& size) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawPicture(const Geometry& geometry);

    std::array<std::uint16_t, kOrders> levels_{};
    int selectedSet_ = 0;
    bool waiting_ = true;
    QPixmap picture_;
    bool pictureDirty_ = true;
};

}  // namespace voltaro
