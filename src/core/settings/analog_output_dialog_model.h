#pragma once
// Decisions of the analog output dialog: a transposed list with one row per setting
// (kAnalogOutputWords per output) and one column per present output.
#include <span>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

class CAnalogOutputDialogModel : public ListDialogModel {
  public:
    // One row per AnalogOutputSetting and table point.
    static constexpr int kRowCount = kAnalogOutputWords;

    explicit CAnalogOutputDialogModel(ParameterImage& image) : image_(image) {}

    // Number of outputs shown: 4, reduced by the missing Ao4, Ao3, Ao2, Ao1 bits in turn.
    int OutputCount() const;
    bool VoltageOutputs() const { return HasVoltageOutputs(image_.deviceType); }
    // The item table active for the device type (the output-level rows differ).
    std::span<const ListItem> Items() const;
    // The measured quantities an output can follow: extended (42 codes, with the neutral
    // current and its THD) on types that measure the neutral, else standard (40 codes).
    bool ExtendedInputList() const;
    ChoiceList InputChoices() const;

    std::vector<ColumnView> Columns() const override;
    int RowCount() const override { return kRowCount; }
    bool RowApplies(int) const override { return true; }
    std::string CellText(int row, int column) const override;
    CellEditor EditorAt(int row, int column) const override;
    ComboSetup ComboAt(int row, int column) const override;
    void CommitText(int row, int column, const std::string& text) override;
    void CommitChoice(int row, int column, int index) override;

  private:
    uint16_t& Word(int row, int column) const {
        return image_.words[AnalogOutputWord(column - 1, row)];
    }

    ParameterImage& image_;
};

}  // namespace voltaro
