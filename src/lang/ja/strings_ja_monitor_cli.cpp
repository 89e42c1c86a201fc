// Japanese texts of voltaro-cli's monitor command.
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextMonitorSectionTitle, "%1!s!：%2!s!"},
    {kTextHarmonicColumn, "%1!s! 第%2!d!次高調波"},
    {kMsgMonitorUsage,
     "使い方: voltaro-cli monitor [接続オプション] [--channel 1|2] [--interval 秒]\n"
     "                            [--count N | --once] [--json | --csv ファイル] "
     "[--harmonics セット,...]\n"
     "                            [--module basic|extension | --detail CH]\n"
     "機器の計測値を繰り返し読み出します: 瞬時値、最大値と最小値、デマンド、電力量、THD、\n"
     "カウンタ、アナログ出力、機器の識別情報。\n"
     "ZCシリーズの機器では 8 チャンネルの時間別電力量と現在値および機器の時計を、\n"
     "--detail では 1 チャンネルの計測値、デマンド、THD を読み出します。\n"
     "  --channel 1|2        2入力の機器の計測入力 (既定 1)\n"
     "  --module basic|extension\n"
     "                       ZCシリーズ: 基本モジュールのチャンネル (1ch～8ch、既定) または\n"
     "                       増設モジュールのチャンネル (9ch～16ch、またはデジタル入力\n"
     "                       DI1～DI8 のカウント)\n"
     "  --detail CH          ZCシリーズ: チャンネル CH (1～16) の詳細: 瞬時値、最大値と\n"
     "                       最小値とデマンド、THD。--harmonics でそのスペクトルも読み出します\n"
     "  --interval 秒        読み出しの開始から次の開始までの時間 (既定 1、0: すぐに)\n"
     "  --count N, --once    N 回、または 1 回読み出して終了\n"
     "  --json               読み出しごとに JSON オブジェクトを 1 つ標準出力へ (JSON Lines)\n"
     "  --csv ファイル       読み出しごとにファイルへ 1 行: 時刻、続いて値ごとに 1 列。\n"
     "                       同じ列のファイルには追記し、別の列のファイルは変更しません\n"
     "  --harmonics セット,... 高調波も読み出します: 0 電流1、1 電流2、2 電流3、3 N相電流、\n"
     "                       4 電圧1-2、5 電圧2-3、6 電圧3-1、7 電圧1、8 電圧2、9 電圧3、"
     "または all\n"
     "--json も --csv もないとき、端末には読み出しごとに更新する表を、それ以外の出力には\n"
     "読み出しごとにテキストのブロックを書きます。失敗した読み出しは報告し、次の読み出しを\n"
     "行います。Ctrl-C は実行中の読み出しを止めて終了します。\n"
     "終了ステータス: 読み出しが完了したとき 0 (--count、--once ではすべて完了したとき)。\n"
     "回数指定の読み出しが失敗したとき、何も計測できなかったとき、ログファイルを使えない\n"
     "とき 1。オプションの誤り (計測入力が 1 つの機器での --channel 2、増設モジュールのない\n"
     "ZC機器での --module extension を含む) は 2。\n"},
    {kMsgMonitorChannelOption, "--channel には 1 または 2 を指定してください。"},
    {kMsgMonitorIntervalOption, "--interval には 0 から 86400 までの秒数を指定してください。"},
    {kMsgMonitorCountOption, "--count には 1 から 1000000000 までの整数を指定してください。"},
    {kMsgMonitorHarmonicsOption,
     "--harmonics には 0 から 9 までの高調波セットをコンマで区切って、または all を"
     "指定してください。"},
    {kMsgMonitorOptionsExclusive, "%1!s! と %2!s! は同時に指定できません。"},
    {kMsgMonitorUnexpectedArgument, "不明な引数 \"%1!s!\" です。"},
    {kMsgMonitorNoSecondInput,
     "接続された機器の計測入力は 1 つです。--channel 2 は計測入力が 2 つの機器で使用できます。"},
    {kMsgMonitorPassFailed, "%1!s! の読み出しに失敗しました: %2!s!"},
    {kMsgMonitorNothingMeasured, "読み出しが完了する前に停止しました。"},
    {kMsgMonitorOutputFailed, "出力を書き込めません。%1!s!"},
    {kMsgMonitorCsvFileOption, "--csv にはファイル名を指定してください。"},
    {kMsgZcModuleOption, "--module には basic または extension を指定してください。"},
    {kMsgZcDetailOption, "--detail には 1 から 16 までのチャンネルを指定してください。"},
    {kMsgZcNoExtensionModule,
     "接続された機器には増設モジュールがありません。--module extension は使用できません。"},
    {kMsgZcDetailBeyondInputs,
     "接続された機器の計測入力は %1!d! です。--detail %2!d! はその中にありません。"},
    {kMsgZcOptionsNeedZc,
     "--module と --detail は ZC シリーズ用です。接続された機器は ZC シリーズではありません。"},
    {kMsgZcMonitorChannel,
     "ZC シリーズの機器では --channel ではなく --detail CH でチャンネルを指定してください。"},
    {kMsgZcHarmonicsNeedDetail,
     "ZC シリーズの機器では --harmonics に --detail CH が必要です (スペクトルはチャンネルごと"
     "に読み出します)。"},
};

}  // namespace

const std::span<const StringEntry> kMonitorCli{kData};

}  // namespace voltaro::ja
