#pragma once
// Helpers that the tests of several areas share: catalogue rows picked by their flag words,
// and the message of an expected program exception. Images of a row come from the core's
// DefaultImageOfRow, as the program makes them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/model/device_type.h"
#include "core/platform/private_exception.h"

namespace voltaro::test {

// First catalogue row whose feature word has all of needFeat and none of noFeat and whose
// family word has all of needFam and none of noFam; a test failure and -1 when no row fits.
inline int RowWith(uint32_t needFeat, uint32_t needFam, uint32_t noFeat = 0, uint32_t noFam = 0) {
    for (const DeviceTypeRecord& r : DeviceTypeTable()) {
        if ((r.features & needFeat) == needFeat && (r.family & needFam) == needFam &&
            (r.features & noFeat) == 0 && (r.family & noFam) == 0) {
            return r.index;
        }
    }
    ADD_FAILURE() << "no catalogue row has the wanted flags";
    return -1;
}

// What MessageOf returns when f throws nothing.
inline constexpr char kNoException[] = "(no exception)";

// The message text of the CPrivateException that f throws; kNoException when it throws none.
template <typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return kNoException;
}

}  // namespace voltaro::test
