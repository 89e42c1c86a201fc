#include "core/app/main_window_status.h"

#include <algorithm>
#include <cstdio>

#include "core/files/parameter_report.h"
#include "core/model/model_list.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {

std::string DeviceText(const CDeviceType& type, const std::string& serial) {
    const std::string model = ModelDisplayText(type);
    if (model.empty()) return {};
    if (serial.empty()) return model;
    return FormatMessageId(kTextDeviceWithSerial, {model, serial});
}

int AppliedParameterCount(const ParameterImage& image) {
    int count = 0;
    for (int word : ReportEntryWords()) {
        if (image.Applies(word)) ++count;
    }
    return count;
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::max(seconds, 0.0));
    return text;
}

std::string UploadedStatus(const ParameterImage& image, const std::string& deviceText,
                           double seconds) {
    return FormatMessageId(kTextStatusUploaded,
                           {AppliedParameterCount(image), deviceText, SecondsText(seconds)});
}

std::string DownloadedStatus(const ParameterImage& image, double seconds) {
    return FormatMessageId(kTextStatusDownloaded,
                           {AppliedParameterCount(image), SecondsText(seconds)});
}

std::string ProtectionStatus(const ProtectionChange& change) {
    return LoadString(change.newPasscode != 0 ? kTextStatusProtectionOn : kTextStatusProtectionOff);
}

}  // namespace voltaro
