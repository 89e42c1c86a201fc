#include "gui/dialogs/input2_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/main_window_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/data_grid_view.h"
#include "gui/dialogs/grid_edit_binding.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

namespace {
constexpr int kColumnWidth = 80;
}  // namespace

CInput2Page::CInput2Page(QWidget* parent) : QWidget(parent) {
    vtPrimary_ = MakeEdit(this, ControlObjectName(kIdVtPrimary));
    vtSecondary_ = MakeEdit(this, ControlObjectName(kIdVtSecondary));
    auto* vt = MakeGroup(this, kTextInputVtRating);
    auto* vtGrid = new QGridLayout(vt);
    vtGrid->addWidget(MakeLabel(vt, kTextInputPrimary), 0, 0);
    vtGrid->addWidget(vtPrimary_, 0, 1);
    vtGrid->addWidget(MakeLabel(vt, kTextInputVolt), 0, 2);
    vtGrid->addWidget(MakeLabel(vt, kTextInputSecondary), 1, 0);
    vtGrid->addWidget(vtSecondary_, 1, 1);
    vtGrid->addWidget(MakeLabel(vt, kTextInputVolt), 1, 2);

    auto* ct = MakeGroup(this, kTextInputCtSensor);
    grid_ = new CDataGridView(ct);
    grid_->setObjectName(ControlObjectName(kIdGrid));
    auto* ctLayout = new QVBoxLayout(ct);
    ctLayout->addWidget(grid_);
    ctLayout->addStretch();
    binding_ = new CGridEditBinding(*grid_, model_);
    Attach(*binding_, *this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(vt);
    layout->addWidget(ct, 1);
}

CInput2Page::~CInput2Page() {
    DetachAll();
}

void CInput2Page::Load(const ParameterImage& image) {
    binding_->CancelEdit();
    model_.Load(image);
    binding_->Layout(kColumnWidth, 1, 1);
    const CInput2PageModel::VtInputs vt = model_.InitialVt();
    vtPrimary_->setText(ToQString(vt.primary));
    vtSecondary_->setText(ToQString(vt.secondary));
}

void CInput2Page::Save(ParameterImage& image) {
    try {
        model_.Save(image, {TextOf(vtPrimary_), TextOf(vtSecondary_)});
    } catch (const SettingFieldError& error) {
        QLineEdit* field =
            error.Field() == CInput2PageModel::VtPrimaryField ? vtPrimary_ : vtSecondary_;
        FocusAndSelect(field);
        throw;
    }
}

void CInput2Page::SaveQuietly(ParameterImage& image) {
    model_.Save(image, {TextOf(vtPrimary_), TextOf(vtSecondary_)});
}

void CInput2Page::Update(CObservable*) {
    NotifyObservers(this);
}

void CInput2Page::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        binding_->CancelEdit();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace voltaro
