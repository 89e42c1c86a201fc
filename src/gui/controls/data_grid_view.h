#pragma once
// The owner-drawn table of the monitor pages and the grid-based setting pages: equally wide
// columns and equally high rows, label cells from the string table and value texts from the
// owner, no scroll bars; the widget sizes itself to fit its cells exactly. With selectable
// on it keeps a current cell and notifies its observers (with itself as source) when the
// user activates a cell by Enter, a click or a typed character.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "core/work/observer.h"
#include "gui/controls/grid_model.h"

namespace voltaro {

class CDataGridView : public QWidget, public CObservable {
    Q_OBJECT
  public:
    explicit CDataGridView(QWidget* parent = nullptr);

    void SetLabels(const std::vector<CellBinding>& labels, int columnWidth, int minRowIndex,
                   int minColumns);
    void ClearCells();
    void SetCellText(int column, int row, const std::string& text);
    bool IsLabelCell(int row, int column) const { return model_.IsLabelCell(row, column); }

    void SetSelectable(bool selectable);
    bool Selectable() const { return selectable_; }
    void SetFirstSelectable(int row, int column) { model_.SetFirstSelectable(row, column); }
    int CurrentRow() const { return model_.CurrentRow(); }
    int CurrentColumn() const { return model_.CurrentColumn(); }

    void MoveUp();
    void MoveDown();
    void MoveLeft();
    void MoveRight();
    // Moves as an in-place editor's navigation code asks (1 down, 2 up, 3 left, 4 right);
    // false for any other code.
    bool MoveBy(int navigation);
    // Activates the current cell: ch 0 (Enter, a click) copies the cell's text into
    // RequestText; a typed character is passed in RequestChar. Notifies the observers.
    void Activate(int ch);
    const std::string& RequestText() const { return requestText_; }
    int RequestChar() const { return requestChar_; }

    const CGridModel& Model() const { return model_; }
    int ColumnWidth() const { return model_.ColumnWidth(); }
    int RowHeight() const { return model_.RowHeight(); }
    // Rectangle of a cell inside the widget (grid lines excluded), for in-place editors.
    QRect CellRect(int column, int row, int columnSpan = 1, int rowSpan = 1) const;
    // The text as drawn: one line, cut with an ellipsis when it does not fit its rectangle.
    QString DisplayText(const QString& text, const QRect& rect) const;
    // Full text of the cell under a point (the tooltip), empty when none.
    QString ToolTipTextAt(const QPoint& pos) const;
    // How often the off-screen picture was redrawn (it is only when texts or layout changed).
    int RedrawCount() const { return redrawCount_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void UpdateRowHeight();
    void ApplyLayout();
    void RedrawPicture();
    void DrawText(QPainter& painter, const QString& text, const QRect& rect) const;

    CGridModel model_;
    QPixmap picture_;
    bool layoutDirty_ = true;
    bool cellsDirty_ = false;
    bool selectable_ = false;
    std::string requestText_;
    int requestChar_ = 0;
    int redrawCount_ = 0;
};

}  // namespace voltaro
