// The default parameter image that every new image starts from.
#include "core/model/parameter_image.h"

namespace voltaro {

ParameterImage::ParameterImage() {
    deviceType.SelectRow(0);
    auto& w = words;
    // Sigma1 line1 ... Sigma6 line4.
    const uint16_t sigma[24] = {1, 3, 6, 100, 1, 3, 2, 100, 1, 4, 2, 100,
                                1, 5, 7, 100, 3, 8, 9, 10, 3, 12, 13, 14};
    for (int i = 0; i < 24; ++i) w[4 + i] = sigma[i];
    w[31] = 5;           // system
    w[32] = 5;           // primary current, input 1
    w[33] = 5;           // secondary current, input 1
    w[34] = 110;         // primary voltage (32-bit, low word)
    w[36] = 110;         // secondary voltage
    w[38] = 10;          // low-end cutout current
    w[39] = 10;          // low-end cutout voltage
    for (int input = 0; input < 15; ++input) {  // inputs 2 to 16
        w[40 + 3 * input] = 5;
        w[41 + 3 * input] = 0;
        w[42 + 3 * input] = 10;
    }
    w[85] = 5;           // bargraph current 100%
    w[86] = 300;         // bargraph voltage 100%
    w[88] = 5000;        // bargraph current 100% (/1000)
    w[92] = 30000;       // bargraph voltage 100% (/100)
    w[96] = 1500;        // active power 100%
    w[100] = 1500;       // reactive power 100%
    w[104] = 1500;       // apparent power 100%
    w[108] = 10000;      // power factor 100%
    w[112] = 6500;       // frequency 100%
    w[114] = 4500;       // frequency 0%
    w[116] = 1000;       // THD 100%
    w[120] = 180;        // phase difference 100%
    w[122] = 65356;      // phase difference 0%: -180 as 32 bits
    w[123] = 65535;
    w[124] = 1;          // device address
    w[125] = 5;          // transfer rate 38400 bps
    w[126] = 1;          // parity odd
    w[128] = 15;         // t1.5
    w[129] = 35;         // t3.5
    w[132] = 0xC0A8;     // IP address 192.168.0.1
    w[133] = 0x0001;
    w[134] = 0xFFFF;     // subnet mask 255.255.255.0
    w[135] = 0xFF00;
    w[138] = 502;        // port
    w[139] = 600;        // connection timeout
    w[140] = 10;         // RUN LED timeout
    w[141] = 1;          // CC-Link node address
    w[142] = 4;          // CC-Link transfer rate 10 Mbps
    w[143] = 30;         // current demand interval
    w[144] = 30;         // power demand interval
    for (int word : {163, 168, 172, 176}) w[word] = 10;  // pulse rates
    for (int word : {165, 170, 174, 178}) w[word] = 1;   // pulse durations
    w[180] = 600;        // LCD backlight off timer
    w[181] = 2;          // brightness
    w[187] = 1;          // short-cut menu "Clear alarm"
    w[246] = 6500;       // frequency alarm high setpoint
    w[248] = 4500;       // frequency alarm low setpoint
    for (int base : {323, 351, 379, 407}) {
        w[base + 2] = 10000;  // adjust span
        w[base + 5] = 400;    // output 0%
        w[base + 6] = 10000;  // input 100%
        w[base + 7] = 2000;   // output 100%
        for (int m = 0; m < 10; ++m) w[base + 9 + 2 * m] = 400;  // table Y
    }
}

void CopyParameterImage(ParameterImage& destination, const ParameterImage& source) {
    destination.words = source.words;
    destination.deviceType.deviceId = source.deviceType.deviceId;
    destination.deviceType.version = source.deviceType.version;
    destination.deviceType.extensionId = source.deviceType.extensionId;
    destination.deviceType.ioConfig = source.deviceType.ioConfig;
    destination.deviceType.typeIndex = source.deviceType.typeIndex;
}

}  // namespace voltaro
