// Japanese texts of link statistics, the frame log and the Communication window.
#include "core/platform/link_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextLinkSent, "送信"},
    {kTextLinkReceived, "受信"},
    {kTextLinkFrameRead, "%2!d! から %1!d! レジスタ読出し"},
    {kTextLinkFrameWrite, "%2!d! へ %1!d! レジスタ書込み: %3"},
    {kTextLinkFrameValues, "値 %1"},
    {kTextLinkFrameWritten, "%2!d! へ %1!d! レジスタ書込み完了"},
    {kTextLinkAnswerTime, "(%1!.1f! ms)"},
    {kTextLinkWrongUnit, "ユニット %1!d! からの応答"},
    {kTextLinkWrongFunction, "ファンクション %1!d! への応答"},
    {kTextLinkLateAnswer, "遅れた応答 (破棄)"},
    {kTextLinkCancelled, "キャンセル"},
    {kTextLinkFrameFunction, "ファンクション %1!d!"},
    {kTextLinkTitle, "接続 %1!d!: %2"},
    {kTextLinkTitleClosed, "接続 %1!d!: %2 (終了)"},
    {kTextLinkTcpLabel, "TCP %1:%2"},
    {kTextLinkSerialLabel, "シリアル %1"},
    {kTextLinkRequests, "要求"},
    {kTextLinkRetries, "リトライ"},
    {kTextLinkAnswers, "応答"},
    {kTextLinkTimeouts, "タイムアウト"},
    {kTextLinkCrcErrors, "CRC エラー"},
    {kTextLinkExceptions, "例外応答"},
    {kTextLinkExceptionCode, "例外コード %1!d!"},
    {kTextLinkInvalid, "不正な応答"},
    {kTextLinkCancelledCount, "キャンセルされた待ち"},
    {kTextLinkBytesSent, "送信バイト数"},
    {kTextLinkBytesReceived, "受信バイト数"},
    {kTextLinkAnswerTimes, "応答時間 最小 / 平均 / 95 % / 最大"},
    {kTextLinkAnswerTimeValues, "%1!.1f! / %2!.1f! / %3!.1f! / %4!.1f! ms"},
    {kTextLinkNoAnswers, "応答なし"},
    {kTextLinkNoConnection, "まだ接続していません。"},
    {kTextCliLinkOptions,
     "どのコマンドにも --stats (コマンド終了時に接続ごとの統計を標準エラーに表示: 要求、\n"
     "リトライ、応答、タイムアウト、CRC エラー、例外、不正な応答、バイト数、応答時間) と\n"
     "--trace (送受信フレームを時刻、接続、方向、16 進、意味とともに標準エラーに逐次表示)\n"
     "を付けられます。\n"},
    {kTextCommWindowTitle, "通信"},
    {kTextCommPause, "一時停止"},
    {kTextCommResume, "再開"},
    {kTextCommClear, "クリア"},
    {kTextCommErrorsOnly, "エラーのみ"},
    {kTextCommSave, "保存..."},
    {kTextCommSaveFilter, "テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*||"},
    {kTextCommFrameCount, "%1!d! フレーム表示"},
    {kTextCommFigure, "項目"},
    {kTextCommValue, "値"},
    {kTextCommSaveFailed, "フレームログを %1 に保存できませんでした: %2"},
    {kTextCommPaused, "一時停止中: 新しいフレームは表示されません。"},
};

}  // namespace

const std::span<const StringEntry> kLinkStats{kData};

}  // namespace voltaro::ja
