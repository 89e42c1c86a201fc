#pragma once
// Helpers of the setting model tests: the exact texts of the validation messages (rows and
// exception texts come from support/test_support.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/model/device_type.h"
#include "core/model/parameter_image.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/settings/setting_fields.h"
#include "support/test_support.h"

namespace voltaro::test {

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
