#pragma once
// An image that differs from a device's in its first value and in the last value that a
// download writes: a download cut short half-way leaves the late difference behind, so that
// read-back verification has something to find.
#include <gtest/gtest.h>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/transfer/transfers.h"

namespace voltaro::test {

inline ParameterImage ChangedEarlyAndLate(const ParameterImage& original) {
    ParameterImage image = original;
    image.words[0] = static_cast<uint16_t>(original.words[0] == 2 ? 1 : 2);
    const auto table = BlockTableFor(image.deviceType);
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (!it->AppliesTo(image.deviceType.FeatureSet()) || it->kind != 0 ||
            !WrittenByDownload(*it, image) || it->word == 0)
            continue;
        const auto word = static_cast<std::size_t>(it->word);
        image.words[word] ^= 1;
        if (!FindInvalidParameter(image)) return image;
        image.words[word] ^= 1;
    }
    ADD_FAILURE() << "no late value can be changed";
    return image;
}

}  // namespace voltaro::test
