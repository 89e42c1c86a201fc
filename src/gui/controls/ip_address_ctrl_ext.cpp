#include "gui/controls/ip_address_ctrl_ext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CIPAddressCtrlExt::CIPAddressCtrlExt(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        }
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("field%1").arg(i));
        field->setValidator(validator);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        connect(field, &QLineEdit::textEdited, this, [this, i] { FieldEdited(i); });
        connect(field, &QLineEdit::editingFinished, this, [this] { EditFinished(); });
        layout->addWidget(field);
        fields_[static_cast<std::size_t>(i)] = field;
    }
    ShowAddress();
}

void CIPAddressCtrlExt::SetAddress(const Octets& octets) {
    address_ = octets;
    beforeEdit_ = octets;
    ShowAddress();
}

void CIPAddressCtrlExt::SetAddressWords(std::uint16_t high, std::uint16_t low) {
    SetAddress(Ipv4OctetsOf({high, low}));
}

void CIPAddressCtrlExt::GetAddressWords(std::uint16_t& high, std::uint16_t& low) const {
    const Ipv4Words words = Ipv4WordsOf(address_);
    high = words.high;
    low = words.low;
}

int CIPAddressCtrlExt::OnFieldChanged(int field, int value) {
    if (field < 0 || field > 3 || value < 0 || value > 255) {
        return -1;
    }
    address_[static_cast<std::size_t>(field)] = static_cast<std::uint8_t>(value);
    ShowAddress();
    emit addressChanged();
    return 0;
}

void CIPAddressCtrlExt::ShowAddress() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString text = QString::number(address_[i]);
        if (fields_[i]->text() != text) {
            // Keeps the caret where the user types unless the text got shorter.
            const int caret = fields_[i]->cursorPosition();
            fields_[i]->setText(text);
            fields_[i]->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
        }
    }
}

void CIPAddressCtrlExt::EditFinished() {
    ShowAddress();
    beforeEdit_ = address_;
}

void CIPAddressCtrlExt::FieldEdited(int field) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    const QString typed = edit->text();
    bool ok = false;
    const int value = typed.toInt(&ok);
    if (OnFieldChanged(field, ok ? value : -1) == 0 || !ok) return;
    // Above 255: the digits typed so far were taken one by one ("30" of "300"); put back
    // what the field held before, say why, and leave the field selected for a new value.
    const std::size_t index = static_cast<std::size_t>(field);
    address_[index] = beforeEdit_[index];
    ShowAddress();
    edit->selectAll();
    emit addressChanged();
    ShowError(this, FormatMessageId(kMsgIpOctetRange, {ToStdString(typed)}));
}

}  // namespace voltaro
