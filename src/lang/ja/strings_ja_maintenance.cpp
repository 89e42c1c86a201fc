// Japanese texts of the maintenance commands.
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgConfirmNeedsYes,
     "%1!s! は機器を変更します。端末以外から実行するときは --yes で確認してください。"},
    {kMsgNotConfirmed, "確認されませんでした。何も書き込んでいません。"},
    {kMsgConfirmPrompt, "%1!s! [y/N] "},
    {kMsgClockDevice, "機器の時刻: %1!s!"},
    {kMsgClockPc, "PCの時刻:   %1!s!"},
    {kMsgClockWritten, "機器の時刻を %1!s! に設定しました。"},
    {kMsgClockTimeOption,
     "--set には 2000 年から 2099 年の、暦に存在する日時 \"YYYY-MM-DD hh:mm:ss\" "
     "を指定してください。"},
    {kMsgResetWritten, "レジスタ %2!d! に %1!d! を書き込みました: %3!s! のリセット。"},
    {kMsgNoCounters, "この機器にはリセットするカウンタがありません。"},
    {kMsgSecondChannelMissing,
     "この機器の計測入力は 1 つです。--channel 2 は計測入力が 2 つの機器で使用できます。"},
    {kMsgTagShown, "タグNo.: %1!s!"},
    {kMsgTagWritten, "タグNo.を書き込みました: \"%1!s!\""},
    {kMsgTagTooLong, "タグは半角 16 文字までです。"},
    {kMsgPresetWritten, "%1!s! を %2!s! にプリセットしました。"},
    {kMsgPresetUnknown, "\"%1!s!\" はプリセットできません。名前: %2!s!"},
    {kMsgPresetNotOnDevice, "この機器には %1!s! がありません。"},
    {kMsgLoopTestOff, "ループテスト: オフ"},
    {kMsgLoopTestAoOn, "ループテスト中: アナログ出力はテスト値に固定されています"},
    {kMsgLoopTestChannelsOn, "ループテスト中: チャンネル %1!s! はテスト値を通知しています"},
    {kMsgNoLoopTest, "この機器にはループテストがありません。"},
    {kMsgLoopTestSwitchedOn, "ループテストをオンにしました: %1!s!"},
    {kMsgLoopTestSwitchedOff, "ループテストをオフにしました。機器は再び計測します。"},
    {kMsgLoopTestValuesWritten, "テスト値を書き込みました: %1!s!"},
    {kMsgLoopTestValueArgument,
     "\"%1!s!\" は NAME=VALUE の形式ではないか、この機器のテスト値の名前ではありません (%2!s!)。"},
    {kMsgLoopTestNotOn, "ループテストはオフです。先にオンにしてください (loop-test on)。"},
    {kMsgPasscodeRefused, "何も書き込んでいません。"},
    {kMsgZcNotServed,
     "このコマンドは ZC シリーズには使用できません。電力管理モニタを使用してください。"},
    {kMsgChannelRange,
     "--channel には 1 または 2 を指定してください (ZC シリーズではチャンネル数まで)。"},
};

}  // namespace

const std::span<const StringEntry> kMaintenance{kData};

}  // namespace voltaro::ja
