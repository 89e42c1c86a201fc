#pragma once
// Decisions of the front-panel passcode dialog (image word 29).
#include <string>

#include "core/model/parameter_image.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

class CPasscodeDialogModel {
  public:
    enum Field { NewPasscodeField = 1, ConfirmField };
    static constexpr int kDigits = 4;

    explicit CPasscodeDialogModel(ParameterImage& image) : image_(image) {}

    // Exactly four digits (kMsgInvalidPasscode otherwise, on the new passcode), equal to
    // the confirmation (kMsgPasscodeConfirmMismatch otherwise); stores the decimal value
    // ("0123" -> 123).
    void Accept(const std::string& passcode, const std::string& confirmation);

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
