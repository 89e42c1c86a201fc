#include "gui/dialogs/tariff_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"

namespace voltaro {

namespace {
constexpr int kTariffTexts = 3200;
}

CTariffDialog::CTariffDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextTariffCaption, parent), model_(image) {
    tariff_ = MakeRadioPair(this, kTariff, kTariffTexts);
    tariff_.Set(model_.Initial());
    QLabel* note = MakeLabel(this, kTextTariffNote, kNote);
    note->setWordWrap(true);
    const RgbColour colour = CTariffDialogModel::kNoteColour;
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    note->setPalette(palette);
    note->setVisible(model_.NoteVisible());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tariff_.first);
    layout->addWidget(tariff_.second);
    layout->addWidget(note);
    layout->addWidget(MakeButtons());
}

}  // namespace voltaro
