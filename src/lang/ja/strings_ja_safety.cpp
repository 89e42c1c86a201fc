// Japanese texts of the messages about files, settings and devices left in an unsafe
// state (the English block strings_en_safety.cpp).
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgNotRegularFile, "%1!s! は通常のファイルではありません。"},
    {kMsgFileTooLarge,
     "%1!s! は %2!s! バイトを超えています。本プログラムのファイルではありません。"},
    {kMsgProfileUnreadable,
     "設定ファイル %1!s! を読み込めません(%2!s!)。既定の設定を使用し、ファイルは変更しません。"},
    {kMsgProfileValueInvalid,
     "%3!s! の設定 %1!s!=%2!s! は無効です(%4!s!)。既定値 %5!s! を使用します。"},
    {kMsgPortOutOfRange, "ポート %1!s! は 1～65535 の範囲外です。"},
    {kMsgRelockFailed,
     "機器を再びロックできませんでした。機器はまだ書き込みを受け付ける可能性があります。"
     "プロテクトまたはダウンロードをもう一度実行してください。\r\rエラー情報:\r%1!s!"},
    {kMsgProtectStateUnknown,
     "機器のロックは解除されましたが、新しいパスコードが設定されていない可能性があり、"
     "機器はまだ書き込みを受け付ける可能性があります。現在のパスコードでプロテクトを"
     "もう一度実行してください。\r\rエラー情報:\r%1!s!"},
    {kMsgProtectNotRelocked,
     "新しいパスコードは設定されましたが、機器を再びロックできませんでした。機器はまだ"
     "書き込みを受け付ける可能性があります。新しいパスコードでプロテクトをもう一度実行して"
     "ください。\r\rエラー情報:\r%1!s!"},
    {kMsgParameterNotAllowed,
     "読み込みエラー。%1!s! - %2!s!(レジスタ %3!d!)の値 %4!s! は使用できません。"
     "使用できる値: %5!s!。"},
    {kMsgValueDoesNotFit,
     "読み込みエラー。%1!s!=%2!s! はレジスタの範囲(%3!s!～%4!s!)に収まりません。"},
    {kMsgUnknownDeviceType, "読み込みエラー。Model=%1!s! は本プログラムの機種一覧にない機器です。"},
    {kMsgPartlyWritten,
     "機器は一部だけ書き込まれた状態です。レジスタ %1!d!(%2!s!)以降のブロックは書き込まれて"
     "いません。もう一度ダウンロードしてください。\r\rエラー情報:\r%3!s!"},
    {kMsgDeviceRefused,
     "機器が要求を拒否しました。送信した値またはレジスタを機器が受け付けません。そのレジスタの"
     "パラメータの値を確認してください。\r\rエラー情報:\r%1!s!"},
    {kMsgDeviceInUseWaiting, "別のプログラムが %1!s! を使用中です。終了するまで待っています..."},
    {kMsgDeviceInUse,
     "%1!s! は本システムの別のプログラムが使用中です。終了してからもう一度実行してください。"},
    {kMsgNoPortChosen, "通信ポートが選択されていません。接続設定でポートを選択してください。"},
    {kMsgPortGone, "通信ポート %1!s! はもう使用できません(%2!s!)。"},
    {kMsgOutputWriteError, "出力を書き込めませんでした: %1!s!"},
    {kMsgProfileAddressRange, "機器アドレスは 1～247 です"},
    {kMsgNoDeviceTypeRow,
     "読み込みエラー。Model=%1!s!、DeviceExtension=%2!s!、DeviceVersion=%3!s! と DeviceIO の値は"
     "本プログラムの機種一覧にありません。"},
};

}  // namespace

const std::span<const StringEntry> kSafety{kData};

}  // namespace voltaro::ja
