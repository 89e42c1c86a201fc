#include "gui/dialogs/analog_output_dialog.h"

#include "core/platform/ui_text_ids.h"

namespace voltaro {

CAnalogOutputDialog::CAnalogOutputDialog(ParameterImage& image, QWidget* parent)
    : CListSettingDialog(kTextAnalogOutputCaption, true, {700, 420}, parent), model_(image) {
    Bind(model_);
}

}  // namespace voltaro
