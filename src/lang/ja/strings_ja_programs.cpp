// Japanese texts of what the programs print for --version and --help.
#include "core/platform/ui_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextVersionLine, "%1!s! バージョン %2!s!"},
    {kTextLanguageEnglish, "言語: 英語"},
    {kTextLanguageModule, "言語: 日本語 (%1!s!)"},
    {kTextDesktopUsage,
     "使い方: voltaro [オプション]...\n"
     "Modbus-RTU と Modbus-TCP で電力計とマルチ回路電力トランスデューサを設定・モニタします。\n"
     "\n"
     "  --simulate[=ROW]   機種表の行 ROW (0～%1!d!、既定値 %2!d!) の模擬機器を空いている\n"
     "                     ループバックポートで動かし、専用の接続設定で使います "
     "(言語とウィンドウの\n"
     "                     設定は利用者のものを使います)\n"
     "  --screenshot FILE  機器から読み出し、メインウィンドウの画像を FILE に、設定ダイアログ、\n"
     "                     パラメータ一覧、モニタの画像をその隣 (FILE-display.png、...、\n"
     "                     FILE-monitor.png) に保存して終了します\n"
     "  --startup-time     起動からメインウィンドウの最初の描画までの時間を表示します\n"
     "  --help             このヘルプを表示して終了します\n"
     "  --version          バージョンと使用中の言語を表示して終了します\n"
     "\n"
     "設定は %3!s! に保存されます (VOLTARO_PROFILE で別のファイルを指定できます)。\n"
     "終了ステータス: 0 正常終了、1 失敗、2 引数の誤り\n"},
};

}  // namespace

const std::span<const StringEntry> kPrograms{kData};

}  // namespace voltaro::ja
