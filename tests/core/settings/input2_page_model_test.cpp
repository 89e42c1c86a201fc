#include "core/settings/input2_page_model.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;

TEST(Input2PageModel, SixteenInputsSideBySide) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZC | FAM_ZC_EXT));
    CInput2PageModel page;
    page.Load(image);
    ASSERT_EQ(page.InputCount(), 16);
    EXPECT_EQ(page.GridColumnCount(), 6);
    EXPECT_EQ(page.GridRowCount(), 9);
    EXPECT_EQ(page.GridCellText(0, 4), LoadString(kTextSensorHeader));
    EXPECT_EQ(page.GridCellText(0, 5), LoadString(kTextPrimaryHeader));
    EXPECT_EQ(page.GridCellText(4, 3), LoadString(5511));  // "12ch"
    EXPECT_EQ(page.InputAt(4, 5), 12);

    page.CommitGridText(4, 5, "400");
    EXPECT_EQ(page.Image().words[PrimaryCurrentWord(12)], 400);
    EXPECT_EQ(page.GridCellText(4, 5), "400");
    EXPECT_EQ(MessageOf([&] { page.CommitGridText(4, 5, "0"); }),
              RangeMessage(15151, "1", "20000"));
    EXPECT_EQ(MessageOf([&] { page.CommitGridText(4, 5, "20001"); }),
              RangeMessage(15151, "1", "20000"));
    EXPECT_EQ(page.Image().words[PrimaryCurrentWord(12)], 400);

    // A sensor type: the primary current is then not shown and cannot be edited.
    EXPECT_EQ(page.GridEditorAt(4, 4), CellEditor::Combo);
    EXPECT_EQ(page.GridComboAt(4, 4).texts.size(), 6u);
    page.CommitGridChoice(4, 4, 3);
    EXPECT_EQ(page.Image().words[CtSensorWord(12)], 3);
    EXPECT_EQ(page.GridCellText(4, 4), LoadString(5603));
    EXPECT_EQ(page.GridCellText(4, 5), "");
    EXPECT_EQ(page.GridEditorAt(4, 5), CellEditor::None);
    EXPECT_EQ(image.words[PrimaryCurrentWord(12)], 5) << "the page edits its own copy until Save";
}

// The window lays out GridLabels; every other cell shows an input's value.
TEST(Input2PageModel, GridLabelsAreTheCellsThatShowLabels) {
    for (const int row : {RowWith(0, FAM_ZB | FAM_ZB_INPUT), RowWith(0, FAM_ZC | FAM_ZC_EXT)}) {
        CInput2PageModel page;
        page.Load(DefaultImageOfRow(row));
        const std::vector<CellBinding> labels = page.GridLabels();
        for (const CellBinding& label : labels) {
            EXPECT_EQ(page.GridCellText(label.row, label.column), LoadString(label.id));
            EXPECT_EQ(page.InputAt(label.row, label.column), 0);
            EXPECT_EQ(page.GridEditorAt(label.row, label.column), CellEditor::None);
        }
        int values = 0;
        for (int r = 0; r < page.GridRowCount(); ++r) {
            for (int c = 0; c < page.GridColumnCount(); ++c)
                values += page.InputAt(r, c) != 0;
        }
        EXPECT_EQ(static_cast<int>(labels.size()) + values,
                  page.GridRowCount() * page.GridColumnCount())
            << row;
        EXPECT_EQ(values, 2 * page.InputCount()) << row;  // sensor and primary of each input
    }
}

TEST(Input2PageModel, LayoutByInputCount) {
    ParameterImage two = DefaultImageOfRow(RowWith(0, FAM_ZB | FAM_ZB_INPUT));
    CInput2PageModel page;
    page.Load(two);
    EXPECT_EQ(page.GridColumnCount(), 3);
    EXPECT_EQ(page.GridRowCount(), 3);
    EXPECT_EQ(page.InputAt(2, 2), 2);

    ParameterImage eight = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
    page.Load(eight);
    EXPECT_EQ(page.GridRowCount(), 9);
    EXPECT_EQ(page.GridColumnCount(), 3);
    EXPECT_EQ(page.InputAt(8, 2), 8);

    ParameterImage one = DefaultImageOfRow(RowWith(0, FAM_ZB, 0, FAM_ZB_INPUT));
    page.Load(one);
    EXPECT_EQ(page.GridRowCount(), 2);
    EXPECT_EQ(page.GridCellText(1, 0), LoadString(5500));
    EXPECT_EQ(page.InputAt(2, 2), 0);
}

TEST(Input2PageModel, SaveChecksTheVtRatingFirstAndCopiesOnlyTheInputWords) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
    CInput2PageModel page;
    page.Load(image);
    CInput2PageModel::VtInputs vt = page.InitialVt();
    EXPECT_EQ(vt.primary, "110");
    EXPECT_EQ(vt.secondary, "110");
    page.CommitGridText(2, 2, "250");  // input 2 primary, word 40

    image.words[LowEndCutoutCurrentWord(2)] = 77;  // a cutout changed elsewhere after Load
    vt.primary = "400000";
    vt.secondary = "49";
    const test::Failure failure = test::FailureOf([&] { page.Save(image, vt); });
    EXPECT_EQ(failure.field, CInput2PageModel::VtSecondaryField);
    EXPECT_EQ(failure.message, RangeMessage(15154, "50", "500"));
    EXPECT_EQ(image.Get32(kWordPrimaryVoltage), 110u) << "nothing stored on a failure";
    EXPECT_EQ(image.words[PrimaryCurrentWord(2)], 5);

    vt.secondary = "500";
    page.Save(image, vt);
    EXPECT_EQ(image.Get32(kWordPrimaryVoltage), 400000u);
    EXPECT_EQ(image.words[kWordSecondaryVoltage], 500);
    EXPECT_EQ(image.words[PrimaryCurrentWord(2)], 250);
    EXPECT_EQ(image.words[LowEndCutoutCurrentWord(2)], 77);
    vt.secondary = "50";
    vt.primary = "400001";
    EXPECT_EQ(MessageOf([&] { page.Save(image, vt); }), RangeMessage(15153, "50", "400000"));
    vt.primary = "50";
    page.Save(image, vt);
    EXPECT_EQ(image.words[kWordSecondaryVoltage], 50);
}

}  // namespace
}  // namespace voltaro
