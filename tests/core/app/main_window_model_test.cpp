// Main window decisions: enabling per device type, the view of an image, reading the
// controls back with their checks, and model changes.
#include <gtest/gtest.h>

#include "core/app/main_window_model.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "core/settings/setting_fields.h"

namespace voltaro {
namespace {

constexpr int kRowKt2 = 4;             // KT2-1**... display meter
constexpr int kRowKt6Single = 13;      // KT6-1**1, four wiring systems
constexpr int kRowKt6ThreePhase = 19;  // KT6-2**1 3P4W, seven systems
constexpr int kRowZc = 52;             // ZCDPQV-2*** Modbus, Input x8

MainWindowInput InputFrom(const MainWindowView& view) {
    MainWindowInput in;
    in.systemIndex = view.systemIndex;
    in.vtPrimary = view.vtPrimary;
    in.vtSecondary = view.vtSecondary;
    in.ctPrimary = view.ctPrimary;
    in.ctSecondary = view.ctSecondary;
    in.barVoltage = view.barVoltage;
    in.barCurrent = view.barCurrent;
    in.currentDemandCount = static_cast<int>(view.currentDemand.choices.size());
    in.currentDemandIndex = view.currentDemand.selected;
    in.currentDemandInterval = view.currentDemand.intervalText;
    in.powerDemandCount = static_cast<int>(view.powerDemand.choices.size());
    in.powerDemandIndex = view.powerDemand.selected;
    in.powerDemandInterval = view.powerDemand.intervalText;
    return in;
}

TEST(MainWindowModel, ZcTypeShowsDipBoxAndDisablesMeterControls) {
    const ParameterImage image = DefaultImageOfRow(kRowZc);
    const MainWindowView view = BuildMainWindowView(image);
    EXPECT_TRUE(view.multiCircuit);
    EXPECT_FALSE(view.vtCtEnabled);
    EXPECT_FALSE(view.barEnabled);
    EXPECT_FALSE(view.extBarEnabled);
    EXPECT_TRUE(view.dipVisible);
    EXPECT_TRUE(SettingButtonEnabled(kIdOthers, image.deviceType));
    EXPECT_TRUE(SettingButtonEnabled(kIdModbus, image.deviceType));
    EXPECT_FALSE(SettingButtonEnabled(kIdDisplay, image.deviceType));
    EXPECT_FALSE(SettingButtonEnabled(kIdPasscode, image.deviceType));
    EXPECT_FALSE(SettingButtonEnabled(kIdExtBar, image.deviceType));
}

TEST(MainWindowModel, DipBoxControlsWordThirtyAndSystemEnabling) {
    CMainWindowModel model(DefaultImageOfRow(kRowZc));
    model.SetDipChecked(true);
    EXPECT_EQ(model.Image().words[kWordConfigurationMode], 0);
    MainWindowView view = model.Refresh();
    EXPECT_TRUE(view.dipChecked);
    EXPECT_FALSE(view.systemEnabled);
    EXPECT_FALSE(view.inputPageEnabled);
    model.SetDipChecked(false);
    EXPECT_EQ(model.Image().words[kWordConfigurationMode], 1);
    view = model.Refresh();
    EXPECT_FALSE(view.dipChecked);
    EXPECT_TRUE(view.systemEnabled);
}

TEST(MainWindowModel, WiringSystemsFollowTheKt6Variant) {
    EXPECT_EQ(BuildMainWindowView(DefaultImageOfRow(kRowKt6Single)).systems.size(), 4u);
    EXPECT_EQ(BuildMainWindowView(DefaultImageOfRow(kRowKt6ThreePhase)).systems.size(), 7u);
}

TEST(MainWindowModel, StoredSystemThatTheTypesListLeavesOutSurvivesARoundTrip) {
    // A ZC device (and a ZC default image) holds system 5 while the type offers four.
    CMainWindowModel model(DefaultImageOfRow(kRowZc));
    ASSERT_EQ(model.Image().words[kWordSystem], 5);
    MainWindowView view = model.Refresh();
    ASSERT_EQ(view.systems.size(), 5u);
    EXPECT_EQ(view.systems[static_cast<std::size_t>(view.systemIndex)], LoadString(1605));
    model.ReadControls(InputFrom(view), true);
    EXPECT_EQ(model.Image().words[kWordSystem], 5);

    // Picking a listed system replaces it, and the kept entry is gone.
    MainWindowInput in = InputFrom(view);
    in.systemIndex = 2;
    model.ReadControls(in, true);
    EXPECT_EQ(model.Image().words[kWordSystem], 2);
    EXPECT_EQ(model.Refresh().systems.size(), 4u);

    ParameterImage kt6 = DefaultImageOfRow(kRowKt6Single);
    kt6.words[kWordSystem] = 12;  // no system at all: kept and shown as its number
    view = BuildMainWindowView(kt6);
    ASSERT_EQ(view.systems.size(), 5u);
    EXPECT_EQ(view.systemIndex, 4);
    EXPECT_EQ(view.systems[4], FormatMessageId(kTextUnlistedValue, {12}));
}

TEST(MainWindowModel, DisplayMeterEnablesEditsAndTheKt2Bargraph) {
    const ParameterImage kt2 = DefaultImageOfRow(kRowKt2);
    const MainWindowView view = BuildMainWindowView(kt2);
    EXPECT_TRUE(view.vtCtEnabled);
    EXPECT_FALSE(view.dipVisible);
    EXPECT_TRUE(view.barEnabled);
    EXPECT_FALSE(view.vtPrimary.empty());
    EXPECT_TRUE(SettingButtonEnabled(kIdDisplay, kt2.deviceType));
    EXPECT_TRUE(SettingButtonEnabled(kIdExpression, kt2.deviceType));
    const MainWindowView kt6 = BuildMainWindowView(DefaultImageOfRow(kRowKt6Single));
    EXPECT_FALSE(kt6.barEnabled);
    EXPECT_TRUE(kt6.barVoltage.empty());
    EXPECT_TRUE(kt6.extBarEnabled);
}

TEST(MainWindowModel, ReadControlsStoresValuesAndDemandRule) {
    ParameterImage image = DefaultImageOfRow(kRowKt2);
    MainWindowInput in = InputFrom(BuildMainWindowView(image));
    in.vtPrimary = "6600";
    in.vtSecondary = "110";
    in.ctPrimary = "400";
    in.ctSecondary = "5";
    in.barVoltage = "300000";
    in.barCurrent = "1200";
    in.currentDemandCount = 2;
    in.currentDemandIndex = 0;  // Discrete input: interval stored as 0, edit ignored
    in.currentDemandInterval = "not a number";
    in.powerDemandCount = 2;
    in.powerDemandIndex = 1;  // Internal timer
    in.powerDemandInterval = "15";
    ReadMainWindowControls(in, image);
    EXPECT_EQ(image.Get32(kWordPrimaryVoltage), 6600u);
    EXPECT_EQ(image.words[kWordSecondaryVoltage], 110);
    EXPECT_EQ(image.words[kWordPrimaryCurrent], 400);
    EXPECT_EQ(image.words[kWordSecondaryCurrent], 5);
    EXPECT_EQ(image.Get32(kWordBarVoltage), 300000u);
    EXPECT_EQ(image.words[kWordBarCurrent], 1200);
    EXPECT_EQ(image.words[kWordCurrentDemand], 0);
    EXPECT_EQ(image.words[kWordPowerDemand], 15);
    const MainWindowView view = BuildMainWindowView(image);
    EXPECT_FALSE(view.currentDemand.intervalEnabled);
    EXPECT_TRUE(view.powerDemand.intervalEnabled);
}

TEST(MainWindowModel, ReadControlsNamesTheFailingControl) {
    struct Case {
        const char* what;
        void (*edit)(MainWindowInput&);
        int field;
        int messageId;
    };
    const Case cases[] = {
        {"secondary current 6", [](MainWindowInput& i) { i.ctSecondary = "6"; }, kIdCtSecondary,
         kMsgOutOfRange},
        {"primary voltage 49", [](MainWindowInput& i) { i.vtPrimary = "49"; }, kIdVtPrimary,
         kMsgOutOfRange},
        {"empty secondary voltage", [](MainWindowInput& i) { i.vtSecondary = ""; }, kIdVtSecondary,
         kMsgNotInteger},
        {"bar current 20001", [](MainWindowInput& i) { i.barCurrent = "20001"; }, kIdBarCurrent,
         kMsgOutOfRange},
        {"interval 61",
         [](MainWindowInput& i) {
             i.powerDemandIndex = 1;
             i.powerDemandInterval = "61";
         },
         kIdPowerDemandInterval, kMsgOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterImage image = DefaultImageOfRow(kRowKt2);
        MainWindowInput in = InputFrom(BuildMainWindowView(image));
        c.edit(in);
        try {
            ReadMainWindowControls(in, image);
            ADD_FAILURE() << "no failure";
        } catch (const SettingFieldError& error) {
            EXPECT_EQ(error.Field(), c.field);
            EXPECT_FALSE(error.Message().empty());
        }
    }
}

TEST(MainWindowModel, SecondaryCurrentMessageNamesRangeAndParameter) {
    ParameterImage image = DefaultImageOfRow(kRowKt2);
    MainWindowInput in = InputFrom(BuildMainWindowView(image));
    in.ctSecondary = "6";
    try {
        ReadMainWindowControls(in, image);
        FAIL();
    } catch (const SettingFieldError& error) {
        EXPECT_NE(error.Message().find("1"), std::string::npos);
        EXPECT_NE(error.Message().find("5"), std::string::npos);
    }
}

TEST(MainWindowModel, InputPageStoresInPlaceOfTheEditsForMultiCircuitTypes) {
    for (int row : {kRowZc, kRowKt2}) {
        ParameterImage image = DefaultImageOfRow(row);
        MainWindowInput in = InputFrom(BuildMainWindowView(image));
        int calls = 0;
        in.storeInputPage = [&calls](ParameterImage& target) {
            ++calls;
            target.words[kWordPrimaryCurrent] = 42;
        };
        in.currentDemandIndex = 1;
        in.currentDemandInterval = "0";  // fails after the input page
        EXPECT_THROW(ReadMainWindowControls(in, image), SettingFieldError);
        EXPECT_EQ(calls, row == kRowZc ? 1 : 0);
        if (row == kRowZc) {
            EXPECT_EQ(image.words[kWordPrimaryCurrent], 42);
        }
    }
}

TEST(MainWindowModel, ModelChangeReadsControlsAndChangesType) {
    CMainWindowModel model(DefaultImageOfRow(kRowKt2));
    MainWindowInput in = InputFrom(model.Refresh());
    in.ctPrimary = "250";
    const auto& prefixes = model.Selection().Prefixes();
    int kt6 = -1;
    for (std::size_t i = 0; i < prefixes.size(); ++i)
        if (prefixes[i] == "KT6-") kt6 = static_cast<int>(i);
    ASSERT_GE(kt6, 0);
    EXPECT_TRUE(model.SelectModel(CMainWindowModel::Level::Prefix, kt6, in));
    EXPECT_TRUE(model.Image().deviceType.HasFeature(0, FAM_KT6));
    EXPECT_EQ(model.Image().words[kWordPrimaryCurrent], 250);
    // The same pick again changes nothing.
    EXPECT_FALSE(model.SelectModel(CMainWindowModel::Level::Prefix, kt6, in));
}

TEST(MainWindowModel, FailedModelChangeKeepsTypeAndCombos) {
    CMainWindowModel model(DefaultImageOfRow(kRowKt2));
    MainWindowInput in = InputFrom(model.Refresh());
    const std::string prefix = model.Selection().Prefix();
    in.ctSecondary = "6";
    EXPECT_THROW(
        model.SelectModel(CMainWindowModel::Level::Prefix, model.Selection().PrefixIndex() + 1, in),
        SettingFieldError);
    EXPECT_EQ(model.Image().deviceType.typeIndex, kRowKt2);
    EXPECT_EQ(model.Selection().Prefix(), prefix);
}

TEST(MainWindowModel, TakeModelKeepsAnIdentifiedUnlistedType) {
    ParameterImage image;
    image.deviceType.SelectRow(33);  // a row without a model entry
    CMainWindowModel model(image);
    MainWindowInput in = InputFrom(model.Refresh());
    model.ReadControls(in, true);
    EXPECT_EQ(model.Image().deviceType.typeIndex, 33);
}

}  // namespace
}  // namespace voltaro
