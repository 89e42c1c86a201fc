#pragma once
// Test helpers shared by the file, report and transfer tests.
#include <functional>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/settings_stocker.h"
#include "core/platform/private_exception.h"

namespace voltaro::test {

// A fresh image of a catalogue row with that row's defaults.
inline ParameterImage ImageOfRow(int row) {
    return DefaultImageOfRow(row);
}

// The message of the CPrivateException that f throws.
inline std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return "(no exception)";
}

}  // namespace voltaro::test
