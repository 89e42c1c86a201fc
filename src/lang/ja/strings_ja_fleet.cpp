// Japanese texts of fleet runs over many devices.
#include "core/platform/fleet_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kEntries[] = {
    {kMsgFleetAtLine, "%1!s! %2!d!行目: %3!s!"},
    {kMsgFleetAtKey, "[%1!s!] %2!s!: %3!s!"},
    {kMsgFleetUnknownKey,
     "不明なキーです (機器に指定できるのは tcp, unit, serial, address, baud, parity, stop, tags, "
     "row です)"},
    {kMsgFleetDuplicateDevice, "機器 [%1!s!] は %2!d!行目ですでに定義されています"},
    {kMsgFleetDuplicateKey, "2回指定されています (最初は %1!d!行目)"},
    {kMsgFleetNoLink, "[%1!s!] には tcp = HOST[:PORT] または serial = PORT が必要です"},
    {kMsgFleetBothLinks, "tcp と serial は同時に指定できません"},
    {kMsgFleetUnit, "unit は 1～247 で指定してください"},
    {kMsgFleetSerialKey, "シリアル接続の機器にだけ指定できます"},
    {kMsgFleetTcpKey, "TCP接続の機器にだけ指定できます"},
    {kMsgFleetDeviceName,
     "機器名 \"%1!s!\" はファイル名に使われます: 空、\".\"、\"..\"、\"-\" "
     "で始まる名前、\"/\"、\"\\\" "
     "や制御文字を含む名前は使えません"},
    {kMsgFleetStrayLine, "[機器] の見出しでも、その中の KEY = VALUE でもありません: \"%1!s!\""},
    {kMsgFleetTags, "tags は名前 (英数字、\"-\"、\"_\"、\".\") をカンマで区切って指定してください"},
    {kMsgFleetRow, "row は機種表の行 0～%1!d! で指定してください"},
    {kMsgFleetNoDevices, "%1!s! に機器がありません"},
    {kMsgFleetNoTagMatch, "%1!s! にはタグ %2!s! のいずれかを持つ機器がありません"},
    {kMsgFleetCannotRead, "機器一覧ファイル %1!s! を読み込めません: %2!s!"},

    {kTextFleetOk, "成功"},
    {kTextFleetFailed, "失敗"},
    {kTextFleetDiffers, "相違あり"},
    {kTextFleetCancelled, "中止"},
    {kTextFleetNotStarted, "未実行"},
    {kTextFleetHeadDevice, "機器"},
    {kTextFleetHeadResult, "結果"},
    {kTextFleetHeadTime, "時間"},
    {kTextFleetHeadMessage, "メッセージ"},
    {kMsgFleetSummary,
     "機器 %1!d!台: 成功 %2!d!、失敗 %3!d!、相違あり %4!d!、中止または未実行 %5!d!"},

    {kMsgFleetIdentified, "%1!s!、機種表の行 %2!d!、バージョン %3!s!、シリアル番号 %4!s!"},
    {kMsgFleetUploaded, "%1!s! を %2!s! に保存しました"},
    {kMsgFleetSame, "%1!s! と同じです"},
    {kMsgFleetDifferent, "%2!s! と異なるパラメータが %1!d!個あります: %3!s!"},
    {kMsgFleetDownloaded, "%1!s! を書き込みました"},
    {kMsgFleetMonitorRow, "%1!s! に1行書き込みました"},
    {kMsgFleetClockSynced, "時計を %1!s! に設定しました"},
    {kMsgFleetPasscodeNeeded,
     "機器は書き込み保護されています。--passcode N を指定してください (voltaro-cli protect "
     "で記憶することもできます)"},
    {kMsgFleetNotUnlocked, "機器の保護を解除できませんでした: 何も書き込んでいません"},
    {kMsgFleetProgress, "[%1!d!/%2!d!] %3!s!: %4!s! (%5!s! 秒) %6!s!"},
    {kMsgFleetStopping, "停止します: 実行中の機器は終了して保護を戻し、新しい機器は開始しません"},
    {kMsgFleetReportFailed, "レポート %1!s! を書き込めません: %2!s!"},

    {kMsgFleetUsage, "FLEET.ini COMMAND ... を指定してください"},
    {kMsgFleetUnknownCommand,
     "不明な fleet のコマンド \"%1!s!\" です (identify, upload, compare, download, monitor, "
     "clock)"},
    {kMsgFleetNeedsYes,
     "機器一覧へのダウンロードはすべての機器に書き込みます: --yes で確認してください"},
    {kMsgFleetJobs, "--jobs は 1～64 で指定してください"},
    {kMsgFleetNeedsDirectory, "%1!s! にはディレクトリが必要です"},
    {kMsgFleetNotDirectory, "%1!s! はディレクトリではありません"},
    {kMsgFleetNeedsFile, "%1!s! には FILE.cfg が必要です"},
    {kMsgFleetMonitorArguments, "fleet monitor には --once --csv DIR/ が必要です"},
    {kMsgFleetClockArguments, "fleet clock には --sync が必要です"},
    {kTextCliSummaryFleet, "機器一覧ファイルのすべての機器でコマンドを実行"},
    {kTextCliHelpFleet,
     "使い方: voltaro-cli fleet FLEET.ini [--tags A,B] [--jobs N] [--report FILE.json] COMMAND\n"
     "機器一覧ファイルのすべての機器で1つのコマンドを実行します (機器ごとに機器名の\n"
     "[セクション]: tcp = HOST[:PORT] と unit = N、または serial = PORT と address, baud,\n"
     "parity, stop; tags = A,B)。同じシリアルポートや同じゲートウェイの機器は順に、\n"
     "異なるものは並行して実行します。失敗した機器があってもほかの機器は続行します。\n"
     "Ctrl-C では実行中の機器が終了して保護を戻し、新しい機器は開始しません。\n"
     "コマンド:\n"
     "  identify                    各機器の機種\n"
     "  upload DIR/                 機器ごとに DIR/機器名.cfg\n"
     "  compare GOLDEN.cfg          各機器とファイルを比較 (終了コード 3: 相違あり)\n"
     "  download FILE.cfg --yes     ファイルを各機器に書き込み (前にバックアップ、後に読み戻し)\n"
     "                              [--passcode N] [--no-backup] [--no-verify]\n"
     "  monitor --once --csv DIR/   計測値1行を DIR/機器名.csv に\n"
     "  clock --sync                各機器の時計をPCに合わせる [--passcode N]\n"
     "  --tags A,B          これらのタグのいずれかを持つ機器だけ\n"
     "  --jobs N            同時に実行する機器の上限 (既定 8)\n"
     "  --report FILE.json  結果をJSONで出力\n"
     "終了コード: すべて成功 0、それ以外 1、すべて実行して相違ありの機器がある 3。\n"},

    {kMsgFleetSimTcpOnly, "[%1!s!]: voltaro-sim --fleet はTCP接続の機器だけを提供します"},
    {kMsgFleetSimUnitTwice, "[%1!s!]: %3!s! のユニット %2!d! はすでに [%4!s!] に使われています"},
    {kMsgFleetSimServing, "%2!d!個のポートで %1!d!台の機器"},
};

}  // namespace

const std::span<const StringEntry> kFleet{kEntries};

}  // namespace voltaro::ja
