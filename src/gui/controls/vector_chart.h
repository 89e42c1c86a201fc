#pragma once
// The phase vectors of voltage (U1N, U2N, U3N) and current (I1, I2, I3) on a circle: 0
// degrees points up and positive angles turn clockwise, towards "LAG->". A vector of length
// 1.0 (the rated value) reaches the circle. Vectors that the wiring system does not have
// are left out, and a vector of length 0 gets no name. Painted into an off-screen picture
// that is copied in one go.
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include "core/app/vector_chart_model.h"

namespace voltaro {

class CMeasurandsKT2;

class CVectorChart : public QWidget {
    Q_OBJECT
  public:
    explicit CVectorChart(QWidget* parent = nullptr);

    // Takes the vectors from the store (after its identity and vector read).
    void SetData(const CMeasurandsKT2& store);
    void SetVectors(const VectorChartData& vectors);
    const VectorChartData& Vectors() const { return data_; }

    // Centre and radius of the circle for a widget of the given size.
    QPointF Centre(const QSize& size) const;
    int Radius(const QSize& size) const;
    // The tip of vector i (0 to 5: U1N, U2N, U3N, I1, I2, I3) for that size.
    QPointF Tip(int vector, const QSize& size) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawPicture();

    VectorChartData data_;
    QPixmap picture_;
    bool pictureDirty_ = true;
};

}  // namespace voltaro
