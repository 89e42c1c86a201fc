// Guards the English string data: one owner per id, complete enumeration lists, and the
// texts that other code compares or shows verbatim.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

struct Block {
    const char* name;
    std::span<const StringEntry> entries;
};

std::vector<Block> AllBlocks() {
    return {{"messages", strings::kMessages},
            {"ui", strings::kUi},
            {"lists", strings::kLists},
            {"models", strings::kModels},
            {"parameters", strings::kParameters},
            {"invented", strings::kInvented},
            {"programs", strings::kPrograms},
            {"cli help", strings::kCliHelp},
            {"monitor", strings::kMonitor},
            {"monitor cli", strings::kMonitorCli},
            {"safety", strings::kSafety},
            {"maintenance", strings::kMaintenance},
            {"system errors", strings::kSystemErrors},
            {"desktop data", strings::kDesktopData},
            {"wiring", strings::kWiring},
            {"scan", strings::kScan},
            {"link stats", strings::kLinkStats},
            {"monitor tools", strings::kMonitorTools},
            {"trend", strings::kTrend},
            {"safe download", strings::kSafeDownload},
            {"config text", strings::kConfigText},
            {"fleet", strings::kFleet}};
}

const StringEntry* FindEnglish(int id) {
    auto table = EnglishStringTable();
    auto it = std::lower_bound(table.begin(), table.end(), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    return (it != table.end() && it->id == id) ? &*it : nullptr;
}

std::string English(int id) {
    const StringEntry* e = FindEnglish(id);
    return e ? std::string(e->text) : std::string("<missing>");
}

TEST(StringTableData, EveryIdHasOneOwnerAndATextAndTheTableIsSorted) {
    std::map<int, std::vector<std::string>> owners;
    for (const auto& block : AllBlocks()) {
        for (const auto& e : block.entries) {
            owners[e.id].push_back(block.name);
            EXPECT_TRUE(e.text != nullptr && e.text[0] != '\0') << "id " << e.id;
        }
    }
    for (const auto& [id, names] : owners) {
        EXPECT_EQ(names.size(), 1u) << "id " << id << " is in " << names.size() << " blocks";
    }
    auto table = EnglishStringTable();
    EXPECT_EQ(table.size(), owners.size());
    for (size_t i = 1; i < table.size(); ++i) {
        EXPECT_LT(table[i - 1].id, table[i].id) << "at position " << i;
    }
}

TEST(StringTableData, EnumerationListsAreCompleteAndEndWhereTheyShould) {
    // First id and length of every list that a stored value indexes.
    const std::pair<int, int> lists[] = {
        {1600, 7},
        {1650, 2},
        {1700, 5},
        {1800, 3},
        {1850, 3},
        {1900, 6},
        {1950, 3},
        {2000, 2},
        {2150, 4},
        {2200, 3},
        {2400, 6},
        {2420, 6},
        {2500, 2},
        {2600, 2},
        {2650, 3},
        {2750, 2},
        {2800, 2},
        {2850, 2},
        {2900, 2},
        {3000, 2},
        {3050, 2},
        {3100, 2},
        {3150, 2},
        {3200, 2},
        {3400, 3},
        {3600, 45},
        {3700, 20},
        {3900, 2},
        {4200, 2},
        {5400, 5},
        {5500, 16},
        {5600, 8},
        {5650, 2},
        {5700, 2},
        {5750, 24},
        {5800, 8},
        // Rows, columns and labels that are addressed by first id plus an offset.
        {100, 3},
        {200, 5},
        {1000, 8},
        {1100, 7},
        {1200, 5},
        {1250, 6},
        {1300, 7},
        {1400, 14},
        {1500, 6},
        {2250, 6},
        {2300, 19},
        {2350, 11},
        {2450, 4},
        {3300, 6},
        {3800, 5},
        {3850, 28},
        {3950, 3},
        {4000, 9},
        {4100, 8},
        {4300, 8},
        {4400, 2}};
    for (const auto& [first, count] : lists) {
        for (int id = first; id < first + count; ++id) {
            EXPECT_NE(FindEnglish(id), nullptr) << "list " << first << " lacks " << id;
        }
        EXPECT_EQ(FindEnglish(first + count), nullptr) << "list " << first << " is too long";
    }
    // The extended energy lists are indexed by code, with gaps.
    const int codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 13};
    for (int code : codes) {
        for (int base : {5000, 5200, 5300}) {
            EXPECT_NE(FindEnglish(base + code), nullptr) << base + code;
        }
    }
    EXPECT_NE(FindEnglish(5212), nullptr);
    EXPECT_NE(FindEnglish(5312), nullptr);
}

TEST(StringTableData, TextsTheSystemShowsVerbatim) {
    EXPECT_EQ(English(2650), "All key operations are available");
    EXPECT_EQ(English(1650), "Discrete input");
    EXPECT_EQ(English(1651), "Internal timer");
    EXPECT_EQ(English(2700), "Configuration Files (*.cfg)|*.cfg|All Files (*.*)|*.*||");
    EXPECT_EQ(English(2701), "Csv Files (*.csv)|*.csv|All Files (*.*)|*.*||");
    EXPECT_EQ(English(4100), "Reading parameters from device");
    EXPECT_EQ(English(999), " ");
    EXPECT_EQ(English(3800), " ");
    EXPECT_EQ(English(1905), "38400 bps");
    EXPECT_EQ(English(3201), "Low tariff (Off-peak time)");
    EXPECT_EQ(English(5603), "TRVA-20");
    EXPECT_EQ(English(5607), "Custom-2");
    EXPECT_EQ(English(5700), "DIP SW(OFF)");
    EXPECT_EQ(English(5750), "00:00 to 01:00");
    EXPECT_EQ(English(5773), "23:00 to 00:00");
    EXPECT_EQ(English(5515), "16ch");
    EXPECT_EQ(English(3877), "Table Y[9]");
    EXPECT_EQ(English(kTextConnectCaption), "Connect");
    EXPECT_EQ(English(kTextReportHideUnable), "Hide unable functions.");
    EXPECT_EQ(English(kTextEnterPasscodeText),
              "The device is write protected. \rEnter Modbus passcode.");
}

TEST(StringTableData, DialogTextsLiveInTheirOwnRangeOfTheUiBlock) {
    for (const auto& block : AllBlocks()) {
        for (const auto& e : block.entries) {
            if (e.id >= 20000 && e.id <= 29999) {
                EXPECT_STREQ(block.name, "ui") << "id " << e.id;
            }
        }
    }
    // Each template owns the hundred ids from 20000 + 100 x (template - 100).
    EXPECT_EQ(kTextMainUpload, 23200);
    EXPECT_EQ(kTextConnectCaption, 23800);
    EXPECT_EQ(kTextPresetCaption, 27100);
}

TEST(StringTableData, InventedTextsStayOutsideTheKnownRanges) {
    // Invented texts fill gaps; they never stand in for a dialog text or a model string.
    for (const auto& e : strings::kInvented) {
        EXPECT_TRUE(e.id < 3500 || e.id >= 3600) << "model string id " << e.id;
        EXPECT_LT(e.id, 15000) << "parameter or dialog id " << e.id;
    }
}

}  // namespace
}  // namespace voltaro
