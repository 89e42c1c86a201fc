// The meter monitor as text: which grids a device gets, values in their grid cells,
// column alignment by display width, and sections placed side by side.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/monitor_text_view.h"
#include "core/monitor/measurand_labels.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

constexpr int kKt2Row = 7;   // two analogue outputs, no counters
constexpr int kZb1Row = 37;  // four counters, no analogue outputs

CDeviceType TypeOfRow(int row) {
    CDeviceType type;
    type.SelectRow(row);
    return type;
}

std::vector<std::string> Titles(const std::vector<TextSection>& sections) {
    std::vector<std::string> titles;
    for (const TextSection& s : sections)
        titles.push_back(s.title);
    return titles;
}

bool HasTitle(const std::vector<TextSection>& sections, const std::string& title) {
    const auto titles = Titles(sections);
    return std::find(titles.begin(), titles.end(), title) != titles.end();
}

TEST(MonitorTextSections, GridsOfTheDeviceWithValuesInTheirCells) {
    CMeasurandsKT2 store;
    store.SetValue(kIdxVoltageSum, 11069);
    store.SetValue(kIdxMinimum + kIdxFrequency, 4998);
    store.deviceId = 7811;
    store.harmonics[9][0] = 12;
    const auto kt2 = MonitorTextSections(store, TypeOfRow(kKt2Row), {9});
    const auto titles = Titles(kt2);
    ASSERT_GE(titles.size(), 3u);
    // Most looked-at first; the minimum demand view shows nothing and is left out.
    EXPECT_EQ(titles[0], "Instantaneous: Trend");
    EXPECT_EQ(titles[2], "Instantaneous: Min");
    EXPECT_TRUE(HasTitle(kt2, "Demand: Max"));
    EXPECT_FALSE(HasTitle(kt2, "Demand: Min"));
    EXPECT_TRUE(HasTitle(kt2, LoadString(kTextMonitorAnalogOutput)));
    EXPECT_FALSE(HasTitle(kt2, LoadString(kTextsEnergyTab + 4)));  // no counters
    EXPECT_EQ(titles.back(), "Harmonics: Voltage 3");

    // The trend grid: the sum's row, under "Voltage"; blank corner cells stay empty.
    const TextSection& trend = kt2[0];
    EXPECT_EQ(trend.rows[0][0], "");
    EXPECT_EQ(trend.rows[0][1], LoadString(kTextsQuantity));
    EXPECT_EQ(trend.rows[1][0], LoadString(kTextsPhase));
    EXPECT_EQ(trend.rows[1][1], "110.69");
    EXPECT_EQ(kt2[2].rows[7][3], "49.98");  // the minimum frequency under its label
    // The device information: labels and texts side by side.
    const auto info = std::find_if(kt2.begin(), kt2.end(), [](const TextSection& s) {
        return s.title == LoadString(kTextMonitorDeviceInformation);
    });
    ASSERT_NE(info, kt2.end());
    EXPECT_EQ(info->rows[2][1], "KT2");
    // The spectrum: orders 2 .. 31 in lines of ten, each above its percentage.
    const TextSection& spectrum = kt2.back();
    ASSERT_EQ(spectrum.rows.size(), 6u);
    EXPECT_EQ(spectrum.rows[0].front(), "2");
    EXPECT_EQ(spectrum.rows[1].front(), "1.2");
    EXPECT_EQ(spectrum.rows[4].back(), "31");

    const auto zb = MonitorTextSections(store, TypeOfRow(kZb1Row), {12});
    EXPECT_TRUE(HasTitle(zb, LoadString(kTextsEnergyTab + 4)));
    EXPECT_FALSE(HasTitle(zb, LoadString(kTextMonitorAnalogOutput)));
    EXPECT_EQ(Titles(zb).back(), LoadString(kTextMonitorDeviceInformation));  // set 12: none
}

TEST(RenderTextSection, ColumnsAlignByDisplayWidth) {
    EXPECT_EQ(TextWidth("abc"), 3);
    EXPECT_EQ(TextWidth("\xC3\x84"), 1);                  // two bytes, one column
    EXPECT_EQ(TextWidth("\xE9\x9B\xBB\xE6\xB5\x81"), 4);  // two wide characters
    TextSection section{
        "Title", {{"", "Max", "Min"}, {"Wide \xE9\x9B\xBB", "1.5", "-20.25"}}, true};
    const std::vector<std::string> expected{"Title", "         Max     Min",
                                            "Wide \xE9\x9B\xBB  1.5  -20.25"};
    EXPECT_EQ(RenderTextSection(section), expected);
    section.labelColumn = false;  // every column right-aligned
    EXPECT_EQ(RenderTextSection(section)[2], "Wide \xE9\x9B\xBB  1.5  -20.25");
    EXPECT_EQ(RenderTextSection(section)[1], "         Max     Min");
    section.rows = {{"2", "3"}, {"10.5", "0.0"}};
    EXPECT_EQ(RenderTextSection(section)[1], "   2    3");
}

TEST(ArrangeTextBlocks, SideBySideWhileTheyFit) {
    const std::vector<std::string> a{"A", "aaaa"};
    const std::vector<std::string> b{"B", "bb", "bbb"};
    const std::vector<std::string> c{"C"};
    // 4 + 2 + 3 = 9 columns: a and b fit in 9, c goes below.
    const std::vector<std::string> wide{"A     B", "aaaa  bb", "      bbb", "", "C", ""};
    EXPECT_EQ(ArrangeTextBlocks({a, b, c}, 9), wide);
    const std::vector<std::string> narrow{"A", "aaaa", "", "B    C", "bb", "bbb", ""};
    EXPECT_EQ(ArrangeTextBlocks({a, b, c}, 8), narrow);
    // A block wider than the width stands alone, and is not lost.
    EXPECT_EQ(ArrangeTextBlocks({a}, 2), (std::vector<std::string>{"A", "aaaa", ""}));
}

}  // namespace
}  // namespace voltaro
