#pragma once
// Decisions of the device communication dialogs: serial Modbus, its advanced timing,
// Modbus-TCP and CC-Link.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

// The "Modbus" button opens the Modbus-TCP dialog for Ethernet devices, else the serial one.
inline bool UsesModbus2Dialog(const CDeviceType& type) {
    return type.HasFeature(FEAT_MODBUS_TCP, 0);
}

class CModbusDialogModel {
  public:
    enum Field { AddressField = 1, RunLedTimeoutField };
    struct Inputs {
        std::string address;
        int rate = -1;
        int parity = -1;
        int stop = -1;
        bool asciiMode = false;
        std::string runLedTimeout;  // one decimal
    };

    explicit CModbusDialogModel(ParameterImage& image) : image_(image) {}

    // Multi-circuit transducers (ZB, ZC) take their address and rate from switches:
    // the dialog sets mode and RUN LED timeout instead, and "Advanced" is disabled.
    bool TransducerVariant() const { return image_.deviceType.HasFeature(0, FAM_ZB | FAM_ZC); }
    bool AddressAndRateEnabled() const { return !TransducerVariant(); }
    bool AdvancedEnabled() const { return !TransducerVariant(); }
    bool ModeAndRunLedEnabled() const { return TransducerVariant(); }

    // The lists bound to their words: a stored value that the list lacks is kept.
    ChoiceList Rates() const {
        return BoundChoices(ChoiceList::FromStrings(kBaudRateTextCount, kTextsBaudRate), image_,
                            kWordTransferRate);
    }
    ChoiceList Parities() const {
        return BoundChoices(ChoiceList::FromStrings(kParityTextCount, kTextsParity), image_,
                            kWordParity);
    }
    ChoiceList StopBits() const {
        return BoundChoices(ChoiceList::FromStrings(kStopBitsTextCount, kTextsStopBits), image_,
                            kWordStopBits);
    }

    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

class CAdvancedModbusDialogModel {
  public:
    enum Field { T15Field = 1, T35Field };
    struct Inputs {
        bool swap = false;  // "Swap (high first)"
        std::string t15;    // one decimal
        std::string t35;    // one decimal
    };

    explicit CAdvancedModbusDialogModel(ParameterImage& image) : image_(image) {}
    Inputs Initial() const;
    // t1.5 from 0.1 to 5.9, then t3.5 from t1.5 + 0.1 to 6.0.
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

class CModbus2DialogModel {
  public:
    enum Field { PortField = 1, ConnectionTimeoutField, RunLedTimeoutField };
    struct Inputs {
        Ipv4Octets address{};
        Ipv4Octets mask{};
        Ipv4Octets gateway{};
        std::string port;               // any C notation ("0x1F6")
        std::string connectionTimeout;  // one decimal
        std::string runLedTimeout;      // one decimal
    };

    explicit CModbus2DialogModel(ParameterImage& image) : image_(image) {}
    // The port combo's single entry.
    static std::vector<std::string> PortChoices() { return {"502"}; }
    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

class CCCLinkDialogModel {
  public:
    enum Field { NodeField = 1 };
    struct Inputs {
        std::string node;
        int rate = -1;
    };

    explicit CCCLinkDialogModel(ParameterImage& image) : image_(image) {}
    ChoiceList Rates() const {
        return BoundChoices(ChoiceList::FromStrings(5, 5400), image_, kWordCcLinkRate);
    }
    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
};

}  // namespace voltaro
