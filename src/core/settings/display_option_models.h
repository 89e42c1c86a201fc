#pragma once
// Decisions of the display expression and short-cut menu dialogs: radio pairs.
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

class CDisplayExpressionDialogModel {
  public:
    // Each field: the second radio of its pair is checked.
    struct Inputs {
        bool lineIndication = false;   // word 145: "R - S - T"
        bool phaseIndication = false;  // word 146: "LAG / LEAD"
        bool powerFormat = false;      // word 147: "No use k if power <= 9999"
    };

    explicit CDisplayExpressionDialogModel(ParameterImage& image) : image_(image) {}

    // Line and phase indication exist on KT2-family types, the power format with the
    // extended display; disabled pairs keep their words.
    bool IndicationEnabled() const { return image_.deviceType.HasFeature(0, FAM_KT2); }
    bool PowerFormatEnabled() const;
    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

class CShortCutMenuDialogModel {
  public:
    explicit CShortCutMenuDialogModel(ParameterImage& image) : image_(image) {}
    // "Enable" (the second radio) is checked.
    bool Initial() const { return SecondRadioChecked(image_.words[kWordClearAlarmShortcut]); }
    void Accept(bool enable) { image_.words[kWordClearAlarmShortcut] = RadioWord(enable); }

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
