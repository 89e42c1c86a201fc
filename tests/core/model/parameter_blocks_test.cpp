// The parameter block tables are the register map that Upload, Download and the simulator
// all read, so a wrong row survives every round trip between them. These checks hold the
// tables to the rules that make them a map: each register and each image word belongs to
// at most one block, every block fits the image and one request, a 32-bit block carries
// exactly the 32-bit values of the image, and the download groups of every catalogue row
// are ascending runs that fit one write request and are all written, and every word
// that applies to a row is carried by one of the row's blocks.
#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/comm/rtu_framing.h"
#include "core/model/device_type.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"

namespace voltaro {
namespace {

struct NamedTable {
    const char* name;
    std::span<const ParameterBlock> blocks;
};

std::vector<NamedTable> Tables() {
    return {{"meter", MeterBlockTable()}, {"ZC", ZcBlockTable()}};
}

std::string Describe(const char* table, std::size_t index, const ParameterBlock& block) {
    return std::string(table) + " block " + std::to_string(index) + " (register " +
           std::to_string(block.address) + ", word " + std::to_string(block.word) + ")";
}

CDeviceType TypeOfRow(int row) {
    CDeviceType type;
    type.SelectRow(row);
    return type;
}

// Definition type of a 32-bit value's low word.
constexpr int kLow32 = 1;

TEST(ParameterBlockTable, BlocksAreWellFormedAndFitTheImageAndOneRequest) {
    for (const NamedTable& table : Tables()) {
        for (std::size_t i = 0; i < table.blocks.size(); ++i) {
            const ParameterBlock& b = table.blocks[i];
            SCOPED_TRACE(Describe(table.name, i, b));
            EXPECT_TRUE(b.kind == 0 || b.kind == 1);
            EXPECT_TRUE(b.endsGroup == 0 || b.endsGroup == 1);
            EXPECT_EQ(b.reserved, 0);
            EXPECT_GT(b.count, 0);
            EXPECT_TRUE(b.featureMask != 0 || b.familyMask != 0) << "applies to nothing";
            EXPECT_GE(b.word, 0);
            EXPECT_LE(b.word + b.Registers(), kImageWords);
            EXPECT_GE(b.address, 0);
            EXPECT_LE(b.address + b.Registers(), 0x10000);
            // Upload reads a block in one request; single-block download writes it in one.
            EXPECT_LE(b.Registers(), kMaxWriteQuantity);
        }
    }
}

TEST(ParameterBlockTable, NoTwoBlocksShareARegisterOrAnImageWord) {
    for (const NamedTable& table : Tables()) {
        std::map<int, std::size_t> registerOwner, wordOwner;
        for (std::size_t i = 0; i < table.blocks.size(); ++i) {
            const ParameterBlock& b = table.blocks[i];
            for (int k = 0; k < b.Registers(); ++k) {
                auto [r, newRegister] = registerOwner.emplace(b.address + k, i);
                EXPECT_TRUE(newRegister) << table.name << " register " << b.address + k
                                         << " in blocks " << r->second << " and " << i;
                auto [w, newWord] = wordOwner.emplace(b.word + k, i);
                EXPECT_TRUE(newWord) << table.name << " word " << b.word + k << " in blocks "
                                     << w->second << " and " << i;
            }
        }
    }
}

// A 32-bit value moved by a 16-bit block would miss the word-order swap; a 16-bit value
// moved by a 32-bit block would be swapped with its neighbour.
TEST(ParameterBlockTable, ThirtyTwoBitBlocksCarryExactlyTheThirtyTwoBitValues) {
    for (const NamedTable& table : Tables()) {
        for (std::size_t i = 0; i < table.blocks.size(); ++i) {
            const ParameterBlock& b = table.blocks[i];
            SCOPED_TRACE(Describe(table.name, i, b));
            for (int k = 0; k < b.Registers(); ++k) {
                const bool low32 = Definition(b.word + k).type == kLow32;
                EXPECT_EQ(low32, b.kind == 1 && k % 2 == 0) << "word " << b.word + k;
            }
        }
    }
}

// Walks the blocks of a row's table as Download groups them: a group runs from the first
// applying block to the next applying block that ends a group.
TEST(ParameterBlockTable, DownloadGroupsOfEveryRowAscendFitOneRequestAndAreWritten) {
    for (const DeviceTypeRecord& record : DeviceTypeTable()) {
        const CDeviceType type = TypeOfRow(record.index);
        const uint64_t features = type.FeatureSet();
        const auto blocks = BlockTableFor(type);
        SCOPED_TRACE("row " + std::to_string(record.index));
        int groupStart = -1, groupEnd = -1;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const ParameterBlock& b = blocks[i];
            if (!b.AppliesTo(features)) continue;
            if (groupStart < 0) {
                groupStart = b.address;
            } else {
                EXPECT_GE(b.address, groupEnd) << "block " << i << " runs back into its group";
            }
            groupEnd = b.address + b.Registers();
            EXPECT_LE(groupEnd - groupStart, kMaxWriteQuantity) << "group ending at block " << i;
            if (b.endsGroup == 1) groupStart = -1;
        }
        EXPECT_LT(groupStart, 0) << "the last group from register " << groupStart
                                 << " is never written";
    }
}

TEST(ParameterBlockTable, EveryBlockServesSomeRowOfItsTable) {
    for (const NamedTable& table : Tables()) {
        for (std::size_t i = 0; i < table.blocks.size(); ++i) {
            bool used = false;
            for (const DeviceTypeRecord& record : DeviceTypeTable()) {
                const CDeviceType type = TypeOfRow(record.index);
                if (BlockTableFor(type).data() == table.blocks.data() &&
                    table.blocks[i].AppliesTo(type.FeatureSet()))
                    used = true;
            }
            EXPECT_TRUE(used) << Describe(table.name, i, table.blocks[i]);
        }
    }
}

// A word that applies to a row but that no block of the row carries would be edited,
// saved and shown, yet never reach the device.
TEST(ParameterBlockTable, EveryWordThatAppliesToARowIsTransferred) {
    for (const DeviceTypeRecord& record : DeviceTypeTable()) {
        ParameterImage image;
        image.deviceType = TypeOfRow(record.index);
        std::vector<bool> carried(kImageWords);
        for (const ParameterBlock& b : BlockTableFor(image.deviceType))
            if (b.AppliesTo(image.deviceType.FeatureSet()))
                for (int k = 0; k < b.Registers(); ++k)
                    carried[static_cast<std::size_t>(b.word + k)] = true;
        for (int w = 0; w < kImageWords; ++w)
            EXPECT_TRUE(!image.Applies(w) || carried[static_cast<std::size_t>(w)])
                << "row " << record.index << " word " << w;
    }
}

}  // namespace
}  // namespace voltaro
