#pragma once
// The protocol around every setting dialog: the dialog works on a copy of the caller's
// image and the copy travels back only when the dialog ends with OK.
#include <functional>

#include "core/model/parameter_image.h"

namespace voltaro {

// Copies image into a working copy, runs the dialog on it (run returns true for OK) and
// then, for OK only, copies the whole working copy back, words the dialog did not show
// included. Cancel leaves image untouched. Returns the dialog's result.
bool RunSettingDialog(ParameterImage& image, const std::function<bool(ParameterImage&)>& run);

}  // namespace voltaro
