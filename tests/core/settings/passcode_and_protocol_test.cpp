#include "core/model/parameter_words.h"
#include "core/platform/message_ids.h"
#include "core/settings/passcode_dialog_model.h"
#include "core/settings/pulse_dialog_model.h"
#include "core/settings/run_setting_dialog.h"

#include "settings_test_support.h"

namespace voltaro {
namespace {

using namespace test;

int PasscodeFailure(CPasscodeDialogModel& model, const std::string& a, const std::string& b,
                    std::string* message = nullptr) {
    const test::Failure failure = test::FailureOf([&] { model.Accept(a, b); });
    if (message) *message = failure.message;
    return failure.field;
}

TEST(PasscodeDialogModel, FourDigitsEqualToTheConfirmation) {
    ParameterImage image;
    image.words[kWordPasscode] = 4711;
    CPasscodeDialogModel model(image);
    std::string message;
    EXPECT_EQ(PasscodeFailure(model, "123", "123", &message),
              CPasscodeDialogModel::NewPasscodeField);
    EXPECT_EQ(message, LoadString(kMsgInvalidPasscode));
    EXPECT_EQ(PasscodeFailure(model, "12345", "12345"), CPasscodeDialogModel::NewPasscodeField);
    EXPECT_EQ(PasscodeFailure(model, "12a4", "12a4"), CPasscodeDialogModel::NewPasscodeField);
    EXPECT_EQ(PasscodeFailure(model, "0123", "0124", &message), CPasscodeDialogModel::ConfirmField);
    EXPECT_EQ(message, LoadString(kMsgPasscodeConfirmMismatch));
    EXPECT_EQ(image.words[kWordPasscode], 4711);
    model.Accept("0123", "0123");
    EXPECT_EQ(image.words[kWordPasscode], 123);
    model.Accept("9999", "9999");
    EXPECT_EQ(image.words[kWordPasscode], 9999);
}

TEST(RunSettingDialog, CancelLeavesTheSourceAndOkCopiesEverythingBack) {
    ParameterImage main = DefaultImageOfRow(RowWith(FEAT_DO1, FAM_KT2_G2));
    const ParameterImage before = main;
    const bool ok = RunSettingDialog(main, [](ParameterImage& working) {
        working.words[kWordPasscode] = 1;
        working.words[kImageWords - 1] = 2;
        working.deviceType.SelectRow(0);
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(main.words, before.words);
    EXPECT_EQ(main.deviceType.typeIndex, before.deviceType.typeIndex);

    // OK: the dialog's fields and words it never showed both travel back; a nested
    // dialog's OK updates only the outer working copy until the outer OK.
    EXPECT_TRUE(RunSettingDialog(main, [&](ParameterImage& outer) {
        outer.words[kImageWords - 1] = 0xBEEF;
        RunSettingDialog(outer, [](ParameterImage& inner) {
            CPulseDialogModel pulse(inner, 0);
            CPulseDialogModel::Inputs in = pulse.Initial();
            in.weight = "2.5";
            pulse.Accept(in);
            return true;
        });
        EXPECT_EQ(outer.Get32(PulseRateWord(0)), 25u);
        EXPECT_EQ(main.Get32(PulseRateWord(0)), 10u);
        return true;
    }));
    EXPECT_EQ(main.words[kImageWords - 1], 0xBEEF);
    EXPECT_EQ(main.Get32(PulseRateWord(0)), 25u);
}

}  // namespace
}  // namespace voltaro
