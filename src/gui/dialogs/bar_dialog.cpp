#include "gui/dialogs/bar_dialog.h"

#include "core/platform/ui_text_ids.h"

namespace voltaro {

CBarDialog::CBarDialog(ParameterImage& image, QWidget* parent)
    : CListSettingDialog(kTextBarCaption, true, {320, 260}, parent), model_(image) {
    Bind(model_);
}

}  // namespace voltaro
