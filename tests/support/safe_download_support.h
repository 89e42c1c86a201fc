#pragma once
// Helpers of the safe download's tests: an image that differs from the device's early and
// late, and the number of backups made.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/download_records.h"

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/transfer/transfers.h"

namespace voltaro::test {

// original with its first value and the last value that a download writes changed: a
// download cut short half-way leaves the late difference behind, so that read-back
// verification has something to find.
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

// The files below the backup folder.
inline std::size_t CountBackups() {
    std::error_code error;
    std::size_t count = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(BackupRootDirectory(), error);
         it != std::filesystem::recursive_directory_iterator(); ++it)
        count += it->is_regular_file() ? 1 : 0;
    return count;
}

}  // namespace voltaro::test
