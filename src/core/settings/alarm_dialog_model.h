#pragma once
// Decisions of the alarm setting dialog: power-on delay, latching and nineteen alarm
// items (high/low setpoint, hysteresis, ON delay, output) edited in place in a list.
#include <span>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

class CAlarmDialogModel : public ListDialogModel {
  public:
    static constexpr int kItemCount = kAlarmItemCount;
    enum Column { NameColumn, HighColumn, LowColumn, HysteresisColumn, DelayColumn, OutputColumn };
    enum Field { PowerOnDelayField = 1 };

    struct Inputs {
        bool latching = false;
        std::string powerOnDelay;
    };

    explicit CAlarmDialogModel(ParameterImage& image) : image_(image) {}

    static std::span<const ListItem> Items();

    // What Initialise shows in the two fields above the list.
    Inputs Initial() const;
    // Latching from the check box, then the power-on delay validated (0 to 999, name 15500).
    void Accept(const Inputs& inputs);

    // First string of the output choice family (AlarmOutputTextBase of the type).
    int OutputTextBase() const { return AlarmOutputTextBase(image_.deviceType); }
    // Number of output choices for the item's stored index (widened to show it).
    int OutputChoiceCount(int item) const;

    std::vector<ColumnView> Columns() const override;
    int RowCount() const override { return kItemCount; }
    bool RowApplies(int row) const override;
    std::string CellText(int row, int column) const override;
    CellEditor EditorAt(int row, int column) const override;
    ComboSetup ComboAt(int row, int column) const override;
    void CommitText(int row, int column, const std::string& text) override;
    void CommitChoice(int row, int column, int index) override;

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
