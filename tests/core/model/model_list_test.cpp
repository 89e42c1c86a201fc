#include <set>

#include <gtest/gtest.h>

#include "core/model/model_list.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

TEST(ModelList, SplitsPrefixDescriptionAndNote) {
    ModelListEntry e = SplitModelString("KT2-|1**2 Ao 4-20mA x4|Ver.2.31 or earlier", 5);
    EXPECT_EQ(e.prefix, "KT2-");
    EXPECT_EQ(e.description, "1**2 Ao 4-20mA x4");
    EXPECT_EQ(e.note, "Ver.2.31 or earlier");
    EXPECT_EQ(e.row, 5);
    e = SplitModelString("KT6-|2**1 3P4W, Modbus, Do x1, Di x1", 19);
    EXPECT_EQ(e.description, "2**1 3P4W, Modbus, Do x1, Di x1");
    EXPECT_EQ(e.note, "");
    // A separator in the first position of a part does not count.
    e = SplitModelString("|abc", 0);
    EXPECT_EQ(e.prefix, "|abc");
    e = SplitModelString("A||b", 0);
    EXPECT_EQ(e.prefix, "A");
    EXPECT_EQ(e.description, "|b");
    EXPECT_EQ(SplitModelString("", 0).prefix, "");
}

TEST(ModelList, HoldsEveryListedRowAndNoUnlistedOne) {
    std::vector<ModelListEntry> list = LoadModelList();
    ASSERT_EQ(list.size(), static_cast<size_t>(kModelListCount));
    std::set<int> rows;
    for (const auto& e : list)
        rows.insert(e.row);
    EXPECT_EQ(rows.size(), list.size());
    for (int unlisted : {33, 34, 57, 58, 59, 65, 68, 69})
        EXPECT_EQ(rows.count(unlisted), 0u);
    EXPECT_EQ(list[0].prefix, "KT2-");
    EXPECT_EQ(list[2].row, 70);
    EXPECT_EQ(list.back().row, 67);

    CModelSelection selection(list);
    for (int unlisted : {33, 34, 57, 58, 59, 65, 68, 69}) {
        selection.SelectFromRow(unlisted);
        EXPECT_NE(selection.SelectedRow(), unlisted);
    }
    // Every listed row can be reached and comes back from the combos.
    for (const auto& e : list) {
        selection.SelectFromRow(e.row);
        EXPECT_EQ(selection.SelectedRow(), e.row);
    }
}

TEST(ModelSelection, PrefixesFormOneRunEach) {
    CModelSelection selection;
    std::vector<std::string> prefixes = selection.Prefixes();
    std::set<std::string> unique(prefixes.begin(), prefixes.end());
    EXPECT_EQ(unique.size(), prefixes.size());
    EXPECT_EQ(prefixes.front(), "KT2-");
    EXPECT_EQ(selection.PrefixIndex(), 0);
}

TEST(ModelSelection, VersionCombo) {
    CModelSelection selection;
    selection.SelectFromRow(4);
    EXPECT_TRUE(selection.VersionEnabled());
    EXPECT_EQ(
        selection.VersionNotes(),
        (std::vector<std::string>{"Ver.1.02 or earlier", "Ver.2.00 to 2.31", "Ver.2.40 or later"}));
    EXPECT_EQ(selection.VersionIndex(), 1);
    EXPECT_TRUE(selection.SelectVersion(0));
    EXPECT_EQ(selection.SelectedRow(), 0);
    EXPECT_FALSE(selection.SelectVersion(0));  // no change

    // KT6 "2**" entries have no version note: the combo is disabled.
    selection.SelectFromRow(20);
    EXPECT_FALSE(selection.VersionEnabled());
    EXPECT_EQ(selection.Note(), "");
    EXPECT_EQ(selection.SelectedRow(), 20);
}

TEST(ModelSelection, ChangingALevelResetsTheLevelsBelow) {
    CModelSelection selection;
    selection.SelectFromRow(4);
    // Another description of the same prefix: the last version note is taken.
    std::vector<std::string> descriptions = selection.Descriptions();
    ASSERT_GT(descriptions.size(), 1u);
    EXPECT_TRUE(selection.SelectDescription(1));
    EXPECT_EQ(selection.Description(), "1**2 Ao 4-20mA x4");
    EXPECT_EQ(selection.Note(), "Ver.2.40 or later");
    EXPECT_EQ(selection.SelectedRow(), 71);

    // Another prefix: its first description, never a model of another prefix.
    std::vector<std::string> prefixes = selection.Prefixes();
    int zc = -1;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        if (prefixes[i] == "ZCTPQV-") zc = static_cast<int>(i);
    }
    ASSERT_GE(zc, 0);
    EXPECT_TRUE(selection.SelectPrefix(zc));
    EXPECT_EQ(selection.DescriptionIndex(), 0);
    EXPECT_EQ(selection.SelectedRow(), 61);
    EXPECT_FALSE(selection.SelectPrefix(zc));
    EXPECT_FALSE(selection.SelectPrefix(99));
}

TEST(WiringSystems, CountDependsOnFamilyAndVariant) {
    CDeviceType type;
    type.SelectRow(4);  // KT2
    EXPECT_EQ(WiringSystemCount(type), 6);
    type.SelectRow(37);  // ZB (3P4W but a ZB)
    EXPECT_EQ(WiringSystemCount(type), 6);
    type.SelectRow(19);  // KT6 2**
    EXPECT_EQ(WiringSystemCount(type), 7);
    EXPECT_EQ(WiringSystemTexts(type).size(), 7u);
    EXPECT_EQ(WiringSystemTexts(type)[0], LoadString(1600));
    type.SelectRow(13);  // KT6 1**
    EXPECT_EQ(WiringSystemCount(type), 4);
}

TEST(DemandTrigger, ChoicesFollowTheDiscreteInput) {
    CDeviceType withInput;
    withInput.SelectRow(4);  // Di x1
    CDeviceType without;
    without.SelectRow(5);  // no Di
    DemandChoices c = DemandTriggerChoices(withInput, 30);
    EXPECT_EQ(c.textIds, (std::vector<int>{1650, 1651}));
    EXPECT_EQ(c.selected, 1);
    EXPECT_EQ(DemandTriggerChoices(withInput, 0).selected, 0);
    c = DemandTriggerChoices(without, 15);
    EXPECT_EQ(c.textIds, (std::vector<int>{1651}));
    EXPECT_EQ(c.selected, 0);
    // A stored 0 still offers the discrete input so that the value is shown as it is.
    EXPECT_EQ(DemandTriggerChoices(without, 0).textIds.size(), 2u);
    EXPECT_TRUE(DemandIntervalFromEdit(1, 0));
    EXPECT_TRUE(DemandIntervalFromEdit(2, 1));
    EXPECT_FALSE(DemandIntervalFromEdit(2, 0));
}

}  // namespace
}  // namespace voltaro
