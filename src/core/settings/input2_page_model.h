#pragma once
// Decisions of the CT/VT input page of the multi-circuit transducers: the voltage
// transformer rating and, per measuring input, the current sensor type and primary current.
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

class CInput2PageModel : public GridModel {
  public:
    enum Field { VtPrimaryField = 1, VtSecondaryField };
    struct VtInputs {
        std::string primary;    // kWordPrimaryVoltage, volts
        std::string secondary;  // kWordSecondaryVoltage, volts
    };
    static constexpr int kSensorCount = 6;

    // Takes a copy of the image (with its device type) and lays the grid out.
    void Load(const ParameterImage& image);
    // The VT edits as Load fills them.
    VtInputs InitialVt() const;
    // Validates both VT edits (nothing is stored when one fails), then stores them and
    // the sensor and primary-current words of every input into image.
    void Save(ParameterImage& image, const VtInputs& vt) const;

    const ParameterImage& Image() const { return image_; }
    int InputCount() const { return image_.deviceType.ioConfig[3]; }
    // Input shown in a grid row and value block (0 for header and label cells).
    int InputAt(int row, int column) const;
    ChoiceList SensorChoices() const {
        return ChoiceList::FromStrings(kSensorCount, kTextsCtSensor);
    }

    int GridColumnCount() const override { return InputCount() == 16 ? 6 : 3; }
    int GridRowCount() const override;
    std::vector<CellBinding> GridLabels() const override;
    std::string GridCellText(int row, int column) const override;
    CellEditor GridEditorAt(int row, int column) const override;
    ComboSetup GridComboAt(int row, int column) const override;
    void CommitGridText(int row, int column, const std::string& text) override;
    void CommitGridChoice(int row, int column, int index) override;

  private:
    int BlockRows() const;
    // String id of the label at a cell, 0 for a value cell.
    int LabelIdAt(int row, int column) const;
    ParameterImage image_;
};

}  // namespace voltaro
