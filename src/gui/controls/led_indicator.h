#pragma once
// The status lamp of the monitor windows: a filled circle as large as the shorter side of
// the widget, centred on the button-face colour. The owner sets the colour and the widget
// repaints itself.
#include <QColor>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace voltaro {

class CLedIndicator : public QWidget {
    Q_OBJECT
  public:
    explicit CLedIndicator(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    // A Windows-style colour value 0x00BBGGRR.
    void SetColorRef(std::uint32_t colorRef);
    QColor Color() const { return color_; }

    // The circle for a widget of the given size: diameter min(width, height), centred.
    static QRect CircleRect(const QSize& size);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_ = Qt::black;
};

}  // namespace voltaro
