#pragma once
// An IPv4 address in four fields of 0 to 255 (objectNames "field0" to "field3"). A field
// edited to a value from 0 to 255 takes the value and rewrites all four fields in their
// normal form; an emptied field leaves the address unchanged (the field shows the stored
// value again when it loses the focus). A typed value above 255 is refused with a message
// (kMsgIpOctetRange), and the field goes back to the value it had before the edit, never
// to a part of the typed number.
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/model/ipv4_address.h"

class QLineEdit;

namespace voltaro {

class CIPAddressCtrlExt : public QWidget {
    Q_OBJECT
  public:
    explicit CIPAddressCtrlExt(QWidget* parent = nullptr);

    using Octets = Ipv4Octets;
    void SetAddress(const Octets& octets);
    Octets Address() const { return address_; }
    // The address as the parameter image keeps it (Ipv4Words).
    void SetAddressWords(std::uint16_t high, std::uint16_t low);
    void GetAddressWords(std::uint16_t& high, std::uint16_t& low) const;

    // A field changed to value (-1 for an empty field): 0 when the address took it and
    // was rewritten, -1 when it was out of range and the address stayed unchanged.
    int OnFieldChanged(int field, int value);

    QLineEdit* Field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

  signals:
    void addressChanged();

  private:
    void ShowAddress();
    void FieldEdited(int field);
    void EditFinished();

    std::array<QLineEdit*, 4> fields_{};
    Octets address_{};
    Octets beforeEdit_{};  // the address when the field being typed in was entered
};

}  // namespace voltaro
