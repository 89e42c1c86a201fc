#pragma once
// Decisions of the tariff dialog and of the other-setting dialog (low-end cutouts,
// frequency input, tariff function, calculation options, ZC channel grid).
#include <array>
#include <cstdint>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/list_dialog_model.h"

namespace voltaro {

struct RgbColour {
    uint8_t red, green, blue;
};

class CTariffDialogModel {
  public:
    explicit CTariffDialogModel(ParameterImage& image) : image_(image) {}
    // The note about the tariff function is hidden on ZB types (which have none).
    bool NoteVisible() const { return !image_.deviceType.HasFeature(0, FAM_ZB); }
    static constexpr RgbColour kNoteColour{130, 130, 0};
    // "Low tariff (Off-peak time)" (the second radio) is checked.
    bool Initial() const { return SecondRadioChecked(image_.words[kWordTariff]); }
    void Accept(bool lowTariff) { image_.words[kWordTariff] = RadioWord(lowTariff); }

  private:
    ParameterImage& image_;
};

class CAdvancedDialogModel : public GridModel {
  public:
    enum Field { VoltageCutoutField = 1, CurrentCutout1Field, CurrentCutout2Field };
    struct Inputs {
        std::string voltageCutout;   // one decimal
        std::string currentCutout1;  // input 1 (not on ZC)
        std::string currentCutout2;  // input 2 (two-input ZB only)
        int frequencyInput = -1;
        bool tariffEnabled = false;
        // The calculation options: second button checked.
        std::array<bool, kCalculationOptionCount> calculation{};
    };

    explicit CAdvancedDialogModel(ParameterImage& image) : image_(image) {}

    bool IsZc() const { return image_.deviceType.HasFeature(0, FAM_ZC); }
    // Channel-1 current field (and its label) is replaced by the grid on ZC types.
    bool CurrentFieldsVisible() const { return !IsZc(); }
    bool Channel2Visible() const;
    bool FrequencyInputEnabled() const { return !IsZc(); }
    // 4 entries ("U1N", "I1", "50Hz fix", "60Hz fix") on the 240 V family, else 2.
    ChoiceList FrequencyInputs() const;
    bool TariffFunctionEnabled() const;

    Inputs Initial() const;
    void Accept(const Inputs& inputs);

    // ZC channel grid: 8 channels in a label and value column, or 16 in two such pairs.
    int ChannelCount() const;
    // Channel shown at a grid cell's row and value/label column, or 0 for none.
    int ChannelAt(int row, int column) const;

    int GridColumnCount() const override { return ChannelCount() == 16 ? 4 : 2; }
    int GridRowCount() const override { return 8; }
    // The channel labels, beside their value cells.
    std::vector<CellBinding> GridLabels() const override;
    std::string GridCellText(int row, int column) const override;
    CellEditor GridEditorAt(int row, int column) const override;
    void CommitGridText(int row, int column, const std::string& text) override;

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
