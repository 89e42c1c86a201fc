#include "gui/dialogs/display_sigma_dialog.h"

#include "core/platform/ui_text_ids.h"

namespace voltaro {

CDisplaySigmaDialog::CDisplaySigmaDialog(ParameterImage& image, QWidget* parent)
    : CListSettingDialog(kTextSigmaCaption, false, {420, 420}, parent), model_(image) {
    Bind(model_);
}

}  // namespace voltaro
