// Japanese texts of voltaro-cli --help and help COMMAND. Option names, commands and
// examples stay as they are typed.
#include "core/platform/ui_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextCliUsage,
     "使い方: voltaro-cli コマンド [オプション]...\n"
     "シェルから電力計とマルチ回路電力トランスデューサを設定・モニタします。\n"
     "\n"
     "コマンド:\n"},
    {kTextCliConnectionOptions,
     "接続オプション (指定しないものはデスクトッププログラムの通信設定に従います):\n"
     "  --tcp HOST[:PORT]      HOST へ Modbus-TCP で接続 (ポートの既定値 502)\n"
     "  --serial PATH|COMn     シリアルポートで Modbus-RTU (RS-485 変換器または設定用\n"
     "                         ジャック)\n"
     "  --infrared PATH|COMn   赤外線アダプタで Modbus-RTU (1200 bit/s、奇数パリティ)\n"
     "  --address N            機器の Modbus アドレス (1～247)\n"
     "  --baud B               1200、2400、4800、9600、19200、38400\n"
     "  --parity none|odd|even\n"
     "  --stop 1|2\n"},
    {kTextCliCommonOptions,
     "どのコマンドにも --help (オプションと例を表示) と --quiet (進捗バーと書き込み完了の\n"
     "表示を省略。結果とエラーは表示されます) があります。\n"
     "\"voltaro-cli help コマンド\" は \"voltaro-cli コマンド --help\" と同じ内容を表示します。\n"
     "結果は標準出力に、エラーは標準エラー出力に出ます。\n"
     "終了ステータス: 0 正常終了、1 失敗、2 引数の誤り、3 相違あり (compare、report)、\n"
     "4 結線の不具合あり (wiring-check)\n"},
    {kTextCliUnknownCommand,
     "コマンド \"%1!s!\" はありません (\"voltaro-cli --help\" でコマンドの一覧を表示します)。"},
    {kTextCliCancelled, "中止しました。"},
    {kTextCliExample, "例:"},
    {kTextCliNoHelp, "\"%1!s!\" というコマンドはないため、ヘルプはありません。"},

    {kTextCliNeedsValue, "%1!s! には値が必要です"},
    {kTextCliUnknownOption, "オプション %1!s! はありません"},
    {kTextCliUploaded, "行 %1!d! (%2!s!) を %3!s! に読み出しました"},
    {kTextCliDownloaded, "%1!s! を書き込みました"},
    {kTextCliProtectionOn, "保護を有効にしました"},
    {kTextCliProtectionOff, "保護を解除しました"},
    {kTextCliGot, " (指定値 \"%1!s!\")"},
    {kTextCliTcpHost, "--tcp にはホスト名またはアドレスが必要です"},
    {kTextCliTcpPortMissing, "--tcp HOST:PORT のコロンの後にポートが必要です"},
    {kTextCliTcpPort, "--tcp HOST:PORT のポートは 1～65535 です"},
    {kTextCliPortPath, "%1!s! にはデバイスパスまたは COMn が必要です"},
    {kTextCliAddress, "--address は 1～247 です"},
    {kTextCliBaud, "--baud は 1200、2400、4800、9600、19200、38400 のいずれかです"},
    {kTextCliParity, "--parity は none、odd、even のいずれかです"},
    {kTextCliStop, "--stop は 1 または 2 です"},

    {kTextCliSummaryPorts, "このコンピュータのシリアルポート"},
    {kTextCliSummaryIdentify, "接続した機器を識別"},
    {kTextCliSummaryRead, "機器の保持レジスタを読み出し"},
    {kTextCliSummaryModels, "選択できる形式の一覧"},
    {kTextCliSummaryParams, "機種のパラメータの既定値"},
    {kTextCliSummaryUpload, "機器のパラメータを設定ファイルに読み出し"},
    {kTextCliSummaryDownload, "設定ファイルを機器に書き込み"},
    {kTextCliSummaryCompare, "設定ファイルを機器または別のファイルと比較"},
    {kTextCliSummaryReport, "ファイルまたは機器のパラメータ一覧、CSV出力"},
    {kTextCliSummaryProtect, "パスコード保護の設定・変更・解除"},
    {kTextCliSummaryMonitor, "計測値を繰り返し読み出し"},
    {kTextCliSummaryClock, "機器の時計の表示・設定・同期"},
    {kTextCliSummaryReset, "電力量、最大・最小値、デマンド、カウンタのリセット"},
    {kTextCliSummaryTag, "機器のタグの表示・設定"},
    {kTextCliSummaryPreset, "電力量またはカウンタ値のプリセット"},
    {kTextCliSummaryLoopTest, "ループテストでアナログ出力・接点出力を強制"},
    {kTextCliSummaryWiringCheck, "位相ベクトルからメータの CT・VT 結線を点検"},

    {kTextCliHelpPorts,
     "使い方: voltaro-cli ports\n"
     "接続ダイアログに表示されるシリアルポートの一覧 (番号、名前、デバイスパス) を表示します\n"
     "(COM1～COM16、USB とオンボードのポート、voltaro-sim --pty の模擬ポート)。\n"},
    {kTextCliHelpIdentify,
     "使い方: voltaro-cli identify [接続オプション]\n"
     "機器の識別情報 (機器ID、ファームウェアバージョン、拡張ID、I/O構成ワード、機種表の行、\n"
     "形式) を読み出します。\n"},
    {kTextCliHelpRead,
     "使い方: voltaro-cli read ADDR COUNT [接続オプション]\n"
     "レジスタ ADDR (機器のレジスタマップと同じ 0 起点の番号) から COUNT 個の保持レジスタを\n"
     "読み出し、10進数と16進数で表示します。\n"},
    {kTextCliHelpModels,
     "使い方: voltaro-cli models\n"
     "選択できる形式 (接頭辞、説明、バージョン注記、params --row に指定する機種表の行) を\n"
     "表示します。\n"},
    {kTextCliHelpParams,
     "使い方: voltaro-cli params --row N [--all]\n"
     "機種表の行 N (models 参照) のパラメータの既定値を表示します。\n"
     "  --row N   機種表の行\n"
     "  --all     機種に該当しないパラメータも表示\n"},
    {kTextCliHelpUpload,
     "使い方: voltaro-cli upload FILE.cfg [--timing] [接続オプション]\n"
     "機器のすべてのパラメータを読み出し、設定ファイルに保存します。\n"
     "  --timing   転送にかかった時間を標準エラー出力に表示\n"},
    {kTextCliHelpDownload,
     "使い方: voltaro-cli download FILE.cfg [--passcode N] [--remember] [--no-backup]\n"
     "       [--no-verify] [接続オプション]\n"
     "設定ファイルを機器に書き込みます。書き込みの間はパスコード保護を解除し、終了後に\n"
     "元に戻します。ファイルは機器の形式のものが必要です。\n"
     "書き込みの前に機器の現在の設定をバックアップとして保存し\n"
     "($XDG_DATA_HOME/voltaro/backups/シリアル番号/)、書き込み後に値を読み戻して照合します\n"
     "(異なる場合は終了コード 1)。ダウンロードごとに $XDG_DATA_HOME/voltaro/audit.log に\n"
     "1 行を追加します。バックアップファイルをダウンロードすると復元になります。\n"
     "赤外線接続では、接続ダイアログでオンにしない限りバックアップを省略します。\n"
     "  --passcode N   機器のパスコード (既定値: 記憶しているパスコード)\n"
     "  --remember     パスコードを記憶して以後のコマンドで使用\n"
     "  --no-backup    書き込み前のバックアップを作成しない\n"
     "  --no-verify    書き込んだ値を読み戻さない\n"},
    {kTextCliHelpCompare,
     "使い方: voltaro-cli compare FILE.cfg [OTHER.cfg] [接続オプション]\n"
     "設定ファイルを機器、または2つ目のファイルと比較し、異なるパラメータを表示します。\n"
     "相違があると終了ステータスは 3 です。\n"},
    {kTextCliHelpReport,
     "使い方: voltaro-cli report [FILE.cfg] [--device] [--csv OUT.csv] [--all] [接続オプション]\n"
     "設定ファイル、機器 (--device)、またはその両方を並べたパラメータ一覧を表示します\n"
     "(両方の値が異なると終了ステータスは 3)。\n"
     "  --device       機器から読み出し\n"
     "  --csv OUT.csv  表示せずに CSV ファイルに出力\n"
     "  --all          機種に該当しないパラメータも表示\n"},
    {kTextCliHelpProtect,
     "使い方: voltaro-cli protect [--current N] --new M [接続オプション]\n"
     "機器の Modbus パスコード保護をパスコード M で有効にする、変更する、または解除します\n"
     "(--new 0)。\n"
     "  --current N   保護が有効なときの現在のパスコード\n"
     "  --new M       新しいパスコード (1～999999999)、0 で保護なし\n"},
    {kTextCliHelpClock,
     "使い方: voltaro-cli clock [--set \"YYYY-MM-DD hh:mm:ss\" | --sync] [--passcode N\n"
     "                         [--remember]] [接続オプション]\n"
     "機器の時計をこのコンピュータの時計と並べて表示する、設定する、またはこのコンピュータの\n"
     "時刻に合わせます。\n"
     "  --set TIME     時計を TIME に設定\n"
     "  --sync         時計をこのコンピュータの現地時刻に合わせる\n"
     "  --passcode N   機器のパスコード (既定値: 記憶しているパスコード)。--remember で記憶\n"},
    {kTextCliHelpReset,
     "使い方: voltaro-cli reset KIND [--channel N] [--yes] [--passcode N [--remember]]\n"
     "                         [接続オプション]\n"
     "機器の電力量、最大・最小値、デマンド値、またはカウンタをリセットします。端末では\n"
     "確認を求め、それ以外では --yes で確認します。\n"
     "KIND はメータでは energy, maxmin, demand, counter。ZC 機器ではチャンネルごと\n"
     "(--channel 1 から 16): energy, hourly, demand-current, demand-power, maxmin-current,\n"
     "maxmin-power, maxmin-power-factor, maxmin-demand-current, maxmin-demand-power,\n"
     "thd-current。接点入力ごと (--channel 1 から 8): counter, hourly-counter。全チャン\n"
     "ネル共通 (--channel なし): maxmin-voltage, maxmin-frequency, thd-voltage。\n"
     "  --channel N    計測入力が2つある機器の入力 (1 または 2、既定値 1)。ZC 機器では\n"
     "                 チャンネル (チャンネルごとの KIND では必須)\n"
     "  --yes          確認せずに実行\n"
     "  --passcode N   機器のパスコード。--remember で記憶\n"},
    {kTextCliHelpTag,
     "使い方: voltaro-cli tag [--set TEXT] [--passcode N [--remember]] [接続オプション]\n"
     "機器のタグを表示する、または TEXT に設定します。\n"
     "  --set TEXT     新しいタグ\n"
     "  --passcode N   機器のパスコード。--remember で記憶\n"},
    {kTextCliHelpPreset,
     "使い方: voltaro-cli preset NAME VALUE [--tariff 1|2] [--channel 1|2] [--yes]\n"
     "                          [--passcode N [--remember]] [接続オプション]\n"
     "電力量またはカウンタ値 NAME (プリセットダイアログでの名前) を VALUE にプリセット\n"
     "します。\n"
     "ZC 機器では NAME は \"Active in\" または \"Reactive LAG\" (小数1桁、--channel 1 から\n"
     "16)、または \"Counter\" (整数、--channel 1 から 8)。--tariff は使えません。\n"
     "  --tariff 1|2   料金帯別電力量の料金帯 (既定値 1)\n"
     "  --channel N    計測入力が2つある機器の入力 (1 または 2、既定値 1)。ZC 機器では\n"
     "                 チャンネルまたは接点入力 (必須)\n"
     "  --yes          確認せずに実行\n"
     "  --passcode N   機器のパスコード。--remember で記憶\n"},
    {kTextCliHelpLoopTest,
     "使い方: voltaro-cli loop-test status|on|off|values NAME=VALUE... [--channel 1|2]\n"
     "                             [--yes] [--passcode N [--remember]] [接続オプション]\n"
     "機器がループテストモードかどうかを表示する、モードを入・切する、または出力値を強制\n"
     "します。アナログ出力は名前で (Ao1=4.00)、ZB と ZC のテスト項目は番号で (0=12.5)\n"
     "指定します。モードが入ったままのときは以後の status で表示されます。\n"
     "  --channel 1|2  計測入力が2つある機器の入力 (既定値 1)\n"
     "  --yes          確認せずにモードを入にする\n"
     "  --passcode N   機器のパスコード。--remember で記憶\n"},
};

}  // namespace

const std::span<const StringEntry> kCliHelp{kData};

}  // namespace voltaro::ja
