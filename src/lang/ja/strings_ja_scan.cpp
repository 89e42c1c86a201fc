// Japanese texts of the bus scan and "Find devices...".
#include "core/platform/scan_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgScanAddressListInvalid,
     "アドレスの指定「%1!s!」が正しくありません: 1～247 のアドレスを数値と範囲で指定してください"
     " (例: 1-247、1,5,9-12)。"},
    {kMsgScanBaudListInvalid,
     "ボーレートの指定「%1!s!」が正しくありません: 1200、2400、4800、9600、19200、38400 "
     "から選んでください。"},
    {kMsgScanParityListInvalid,
     "パリティの指定「%1!s!」が正しくありません: N (なし)、E (偶数)、O (奇数) を使ってください。"},
    {kMsgScanStopInvalid, "ストップビット「%1!s!」が正しくありません: 1 か 2 を指定してください。"},
    {kMsgScanTimeoutInvalid,
     "タイムアウト「%1!s!」が正しくありません: %2!d!～%3!d! ミリ秒を指定してください。"},
    {kMsgScanUnitListInvalid,
     "ユニット ID の指定「%1!s!」が正しくありません: 1～247 を数値と範囲で指定してください。"},
    {kMsgScanNotIdentified, "識別できません: %1!s!"},
    {kMsgScanNothingFound, "応答した機器はありません。"},
    {kMsgScanFoundCount, "見つかった機器: %1!d!"},
    {kMsgScanStopped, "スキャンを中止しました。それまでに見つかった機器:"},
    {kMsgScanTableHeading, "アドレス\tボーレート\tパリティ\tストップ\t行\t形式"},
    {kMsgScanParityNone, "なし"},
    {kMsgScanParityEven, "偶数"},
    {kMsgScanParityOdd, "奇数"},
    {kMsgScanLineText, "%1!u! bit/s、パリティ %2!s!、ストップビット %3!d!"},
    {kMsgScanProgress, "アドレス %1!d!、%2!s!"},
    {kMsgScanSummary, "シリアルバスや TCP ゲートウェイの先の機器を探します"},
    {kMsgScanUsage,
     "usage: voltaro-cli scan [--serial PORT | --tcp HOST[:PORT]] [--addresses LIST]\n"
     "       [--bauds LIST] [--parity LIST] [--stop 1|2] [--timeout MS] [--json]\n"
     "すべての通信設定のすべてのアドレス (TCP ではすべてのユニット ID) に識別要求を1回ずつ\n"
     "再試行なしで送り、応答した機器をアドレス、通信設定、カタログ行、形式とともに表示します。\n"
     "例外応答や不正な応答を返した機器は、理由とともに「識別できません」と表示します。\n"
     "Ctrl-C でスキャンを中止しても、それまでに見つかった機器を表示します。\n"
     "  --addresses LIST  アドレスまたはユニット ID (例: 1-247 (既定)、1,5,9-12)\n"
     "  --bauds LIST      1200,2400,4800,9600,19200,38400 から選んだボーレート (既定: 接続設定)\n"
     "  --parity LIST     N,E,O から選んだパリティ (既定: 接続設定)\n"
     "  --stop 1|2        ストップビット (既定: パリティなしは 2、ありは 1)\n"
     "  --timeout MS      9600 bit/s 以上での1要求のタイムアウト (既定 100)。遅い速度では\n"
     "                    比例して長くなります\n"
     "  --json            見つかった機器ごとに JSON オブジェクトを1つ出力します\n"
     "終了ステータス: 0 機器あり、1 機器なしまたはポートを開けない、2 引数の誤り。\n"},
    {kUiFindDevicesButton, "機器の検索..."},
    {kUiFindDevicesTitle, "機器の検索"},
    {kUiScanAddressesLabel, "アドレス:"},
    {kUiScanBaudsLabel, "ボーレート:"},
    {kUiScanStartButton, "検索"},
    {kUiScanColumnAddress, "アドレス"},
    {kUiScanColumnLine, "通信設定"},
    {kUiScanColumnModel, "形式"},
    {kUiScanUseButton, "使用"},
    {kUiScanTargetSerial, "ポート: %1!s!"},
    {kUiScanTargetTcp, "ホスト: %1!s!:%2!s! (ユニット ID)"},
    {kUiScanProgressTitle, "バスを検索しています"},
};

}  // namespace

const std::span<const StringEntry> kScan{kData};

}  // namespace voltaro::ja
