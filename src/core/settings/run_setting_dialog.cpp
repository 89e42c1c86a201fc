#include "core/settings/run_setting_dialog.h"

namespace voltaro {

bool RunSettingDialog(ParameterImage& image, const std::function<bool(ParameterImage&)>& run) {
    ParameterImage working;
    CopyParameterImage(working, image);
    if (!run(working)) return false;
    CopyParameterImage(image, working);
    return true;
}

}  // namespace voltaro
