// Japanese message texts (their ids are named in core/platform/message_ids.h).
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgPortCannotOpen, "通信ポート %s を開けません。"},
    {kMsgPortSettingsFailed, "通信ポートの設定を変更できません。"},
    {kMsgOutOfRange, "%1!s!は%2!s!～%3!s!の範囲で入力してください。"},
    {kMsgInvalidPasscode, "入力されたパスコードが正しくありません。"},
    {kMsgPasscodeConfirmMismatch,
     "確認用のパスコードが一致しません。「新しいパスコード」と「新しいパスコードの確認」には"
     "同じ値を入力してください。"},
    {kMsgAllParametersMatch, "すべてのパラメータが一致しています。"},
    {kMsgParametersNotMatching, "%1!d!個のパラメータが一致していません。"},
    {kMsgSaveError, "保存エラー。%1!s!"},
    {kMsgLoadError, "読み込みエラー。%1!s!"},
    {kMsgInvalidFileFormat, "読み込みエラー。ファイル形式が正しくありません。"},
    {kMsgTimeout, "タイムアウト"},
    {kMsgInvalidResponse, "不正な応答"},
    {kMsgCrcError, "CRCエラー"},
    {kMsgReceiveException, "例外応答 %1!d! を受信"},
    // The reason leads in Japanese; the command details follow.
    {kMsgModbusCommandFailed,
     "%4!s!のため、Modbusコマンドが失敗しました。コマンド=%1!s! アドレス=%2!d! サイズ=%3!d!"},
    {kMsgUploadingNow, "アップロード中..."},
    {kMsgDownloadingNow, "ダウンロード中..."},
    // Padded like the English text: the monitors show it centred in a value field.
    {kMsgMonitorCommunicationError, "    通信エラー    "},
    {kMsgAreYouSure, "よろしいですか？"},
    {kMsgModbusTcpError, "Modbus-TCPエラー。%1!s!"},
    {kMsgPasscodeMismatch, "Modbusパスコードが一致しません。"},
    {kMsgNoProtectionFeature, "この機器はModbusパスコード保護機能に対応していません。"},
    {kMsgDifferentDevice, "異なる機器の設定はダウンロードできません。"},
    {kMsgInvalidTransaction, "不正なトランザクション"},
    {kMsgUnsupportedDevice, "この機器には対応していません。(機器ID=%d、拡張ID=%d)"},
    {kMsgCommunicating, "通信中"},
    {kMsgCommunicationError,
     "通信エラーです。機器アドレス、PCの通信ポート設定、ケーブル、機器の電源を確認してください。"
     "\r\rエラー情報:\r%s"},
    {kMsgNotNumber, "パラメータ「%1!s!」には数値を入力してください。"},
    {kMsgNotInteger, "パラメータ「%1!s!」には整数値を入力してください。"},
    {kMsgZbLonWorksOnly,
     "本ソフトウェアはZBNPQVの設定に対応していません。これらの機器はLonWorksツール"
     "(例: LonMaker)で設定してください。"},
    {kMsgDipSwitchMismatch, "DIP SW1-8の設定がコンフィギュレータの設定と一致しません。"},
    {kMsgInvalidDate, "日付の入力が正しくありません。"},
    {kMsgProcessingNow, "(処理中...)"},
    {kMsgZcLonWorksOnly,
     "本ソフトウェアはZCNPQVの設定に対応していません。これらの機器はLonWorksツール"
     "(例: LonMaker)で設定してください。"},
    {kMsgFixedAo, "AO固定"},
    {kMsgOutOfRangeOrExtra, "%1!s!は%4!s!、または%2!s!～%3!s!の範囲で入力してください。"},
    {kMsgLoopTestWarning,
     "ループテストでは、テスト値を上位システムへ送信して通信を確認できます。\r\n"
     "運転中の機器を意図せずループテストモードに切り替えると、上位システムで予期しない"
     "結果を招くおそれがあります。\r\nループテスト機能を使用しますか？"},
    {kMsgCantLoadLanguageModule, "言語モジュールを読み込めません"},
};

}  // namespace

const std::span<const StringEntry> kMessages{kData};

}  // namespace voltaro::ja
