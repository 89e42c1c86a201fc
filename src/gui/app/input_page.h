#pragma once
// The CT/VT input page that multi-circuit types show in the main window in place of the
// VT/CT edits. The main window fills it on every refresh of such a type and has it store
// its values when it reads its controls. The page is provided through the setting dialog
// registry (CSettingDialogRegistry::SetInputPage); without one the place stays empty.
#include <QWidget>
#include <functional>

#include "core/model/parameter_image.h"

namespace voltaro {

class CInputPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Load(const ParameterImage& image) = 0;
    // Stores the page's values into image; a bad value throws SettingFieldError (or
    // CPrivateException) after focusing the offending field.
    virtual void Save(ParameterImage& image) = 0;
};

using InputPageFactory = std::function<CInputPage*(QWidget* parent)>;

}  // namespace voltaro
