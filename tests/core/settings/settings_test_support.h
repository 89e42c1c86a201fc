#pragma once
// Helpers of the setting model tests: images of catalogue rows picked by their flag
// words, and the exact texts of the validation messages.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/model/device_type.h"
#include "core/model/parameter_image.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/settings/setting_fields.h"
#include "core/work/private_exception.h"

namespace voltaro::test {

// First catalogue row whose feature word has all of needFeat and none of noFeat and whose
// family word has all of needFam and none of noFam; -1 when no row fits.
inline int RowWith(uint32_t needFeat, uint32_t needFam, uint32_t noFeat = 0, uint32_t noFam = 0) {
    for (const DeviceTypeRecord& r : DeviceTypeTable()) {
        if ((r.features & needFeat) == needFeat && (r.family & needFam) == needFam &&
            (r.features & noFeat) == 0 && (r.family & noFam) == 0) {
            return r.index;
        }
    }
    return -1;
}

inline ParameterImage ImageOfRow(int row) {
    EXPECT_GE(row, 0) << "no catalogue row has the wanted flags";
    ParameterImage image;
    image.deviceType.SelectRow(row);
    return image;
}

// The message text of whatever CPrivateException f raises; "" when it raises none.
template <typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return {};
}

// Field id and message of the SettingFieldError f raises; {0, ""} when it raises none.
struct Failure {
    int field = 0;
    std::string message;
};
template <typename F>
Failure FailureOf(F&& f) {
    try {
        f();
    } catch (const SettingFieldError& e) {
        return {e.Field(), e.Message()};
    }
    return {};
}

inline std::string RangeMessage(int nameId, const std::string& min, const std::string& max) {
    return FormatMessageId(kMsgOutOfRange, {LoadString(nameId), min, max});
}

}  // namespace voltaro::test
