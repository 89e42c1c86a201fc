#pragma once
// "Discrete Input Setting": the function and contact type of the contact input.
#include "core/settings/discrete_io_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CDiscreteInputDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kFunction = "function";
    static constexpr const char* kContact = "contact";  // radios "contactFirst"/"contactSecond"

    CDiscreteInputDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CDiscreteInputDialogModel model_;
    QComboBox* function_;
    RadioPair contact_;
};

}  // namespace voltaro
