#pragma once
// Decisions of the sigma display dialog: which measurand each line of the device's
// sigma screens shows (SigmaLineWord), one row per line.
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

class CDisplaySigmaDialogModel : public ListDialogModel {
  public:
    enum Column { NameColumn, ValueColumn };

    explicit CDisplaySigmaDialogModel(ParameterImage& image) : image_(image) {}

    // Length of the measurand part of the code list (before the energy views).
    int MeasurandCount() const;
    // The choices of row i; on KT6-family types the measurand codes, and for the fourth
    // line of a screen also the energy views (codes 100 to 119, 210 to 213, 310 to 313).
    ChoiceList RowChoices(int row) const;
    // List index of a stored code in row i's choices (-1: not in the list).
    int CodeToIndex(int row, int code) const { return RowChoices(row).IndexOfCode(code); }
    // Text of a stored code: kTextsMeasurand + code below 210, else kTextsEnergyExtended + code.
    static std::string CodeText(int code);

    std::vector<ColumnView> Columns() const override;
    int RowCount() const override;
    bool RowApplies(int row) const override;
    std::string CellText(int row, int column) const override;
    CellEditor EditorAt(int row, int column) const override;
    ComboSetup ComboAt(int row, int column) const override;
    void CommitText(int, int, const std::string&) override {}
    void CommitChoice(int row, int column, int index) override;

  private:
    bool SigmaCodeList() const;
    ParameterImage& image_;
};

}  // namespace voltaro
