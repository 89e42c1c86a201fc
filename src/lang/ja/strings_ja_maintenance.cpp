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
    {kMsgChannelRange,
     "--channel には 1 または 2 を指定してください (ZC シリーズではチャンネル数まで)。"},
    {kMsgZcResetKind, "ZC シリーズの機器のリセットは %1!s! です。\"%2!s!\" ではありません。"},
    {kMsgZcResetNeedsChannel,
     "このリセットは 1 チャンネルをクリアします。--channel N (1～%1!d!) で指定してください。"},
    {kMsgZcResetCommon,
     "%1!s! は全チャンネル共通の値をリセットします。--channel は指定しないでください。"},
    {kMsgZcPresetUnknown, "ZC 機器の値 \"%1!s!\" はプリセットできません。名前は %2!s! です。"},
    {kMsgZcPresetNeedsChannel,
     "ZC 機器のプリセットには --channel N が必要です: 電力量は 1～%1!d!、デジタル入力の"
     "カウントは 1～8。"},
    {kMsgZcPresetNoModule, "接続された機器には %1!s! がありません。"},
    {kMsgZcPresetTariff,
     "ZC シリーズの機器には料金帯がありません。--tariff は指定しないでください。"},
};

}  // namespace

const std::span<const StringEntry> kMaintenance{kData};

}  // namespace voltaro::ja
