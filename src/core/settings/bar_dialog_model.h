#pragma once
// Decisions of the bar setting dialog: nine measured quantities with their values at
// 100% and at 0% of the bar, edited in place.
#include <span>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

class CBarDialogModel : public ListDialogModel {
  public:
    static constexpr int kItemCount = kBarScaleCount;
    enum Column { NameColumn, FullColumn, ZeroColumn };

    explicit CBarDialogModel(ParameterImage& image) : image_(image) {}

    static std::span<const ListItem> Items();
    // The bar's full scale is never negative: a negative item minimum becomes 0 there.
    static int32_t ColumnMinimum(int item, int column);

    std::vector<ColumnView> Columns() const override;
    int RowCount() const override { return kItemCount; }
    bool RowApplies(int) const override { return true; }
    std::string CellText(int row, int column) const override;
    CellEditor EditorAt(int row, int column) const override;
    ComboSetup ComboAt(int, int) const override { return {}; }
    void CommitText(int row, int column, const std::string& text) override;
    void CommitChoice(int, int, int) override {}

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
