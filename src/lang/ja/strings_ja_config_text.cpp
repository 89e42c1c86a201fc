// Japanese texts of configurations as text: diff, export, import.
#include "core/platform/config_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextConfigJsonMalformed,
     "インポートエラー。%1!s! は正しい JSON ではありません: %2!s!(%3!d! 行 %4!d! 列)。"},
    {kTextConfigNotExport,
     "インポートエラー。エクスポートされた設定ファイルではありません: \"%1!s!\" "
     "がないか、正しくありません。"},
    {kTextConfigRowMismatch,
     "インポートエラー。\"row\" は %1!d! ですが、機種の識別情報は行 %2!d! のものです。"},
    {kTextConfigUnknownKey,
     "インポートエラー。\"%1!s!\" は本プログラムのパラメータではありません。"},
    {kTextConfigNotForModel,
     "インポートエラー。\"%1!s!\"(%2!s! - %3!s!)は機種 %4!s! のパラメータではありません。"},
    {kTextConfigMissing, "インポートエラー。\"%1!s!\"(%2!s! - %3!s!)がありません。"},
    {kTextConfigDuplicate, "インポートエラー。\"%1!s!\" が複数回指定されています。"},
    {kTextConfigNotInteger,
     "インポートエラー。\"%1!s!\"(%2!s! - %3!s!): \"value\" は整数でなければなりません。"},
    {kTextConfigOutOfRange,
     "インポートエラー。\"%1!s!\"(%2!s! - %3!s!)の値 %4!s! は使用できません。"
     "使用できる値: %5!s!。"},
    {kTextConfigBadEntry,
     "インポートエラー。グループ \"%2!s!\" の項目 %1!d! は \"key\" と \"value\" "
     "を持つオブジェクトではありません。"},
    {kTextConfigNothingWritten, "何も書き込まれませんでした。"},
    {kTextConfigDiffModel, "機種"},
    {kTextConfigOnlyIn, "(%1!s! のみ)"},
    {kTextConfigSame, "設定は同じです。"},
    {kTextConfigDiffCount, "%1!d! 個のパラメータが異なり、%2!d! 個は一方の設定にのみあります。"},
    {kTextConfigModelsDiffer, "機種が異なります。"},
    {kTextConfigImported, "行 %1!d!(%2!s!)を %3!s! から %4!s! にインポートしました"},
    {kTextCliSummaryDiff, "2 つの設定ファイルの違いをパラメータごとに表示する"},
    {kTextCliHelpDiff,
     "使い方: voltaro-cli diff A.cfg B.cfg [--json]\n"
     "値の異なるパラメータを、グループと名前、両方の値の表示で一覧にします。機種が異なる\n"
     "ときは最初にそれを示し、一方の機種にのみあるパラメータはその旨を示します。\n"
     "終了ステータスは同じとき 0、異なるとき 3 です。\n"
     "  --json         表の代わりに 1 つの JSON オブジェクト\n"},
    {kTextCliSummaryExport, "設定ファイルをレビュー用の JSON またはテキストで書き出す"},
    {kTextCliHelpExport,
     "使い方: voltaro-cli export FILE.cfg [--format json|text] [-o|--output OUT]\n"
     "ファイルの機種のすべてのパラメータを、グループ、キー、名前ごとに値と値の表示とともに\n"
     "決まった順序で 1 行ずつ書き出します。言語にかかわらず英語で書くので、バージョン\n"
     "管理では変更したパラメータごとに 1 行の差分になります。\n"
     "  --format F     json(既定、import が読む形式)または text\n"
     "  -o, --output OUT 標準出力の代わりに OUT に書く\n"},
    {kTextCliSummaryImport, "エクスポートした JSON ファイルから設定ファイルを作る"},
    {kTextCliHelpImport,
     "使い方: voltaro-cli import FILE.json OUT.cfg\n"
     "JSON のエクスポートを読み戻します。最初に機種、次にすべての値を設定ダイアログと同じ\n"
     "検査で確かめます。不明なキー、足りないパラメータ、使用できない値は、使用できる値と\n"
     "ともに示します。エラーがあれば何も書き込みません。\n"},
};

}  // namespace

const std::span<const StringEntry> kConfigText{kData};

}  // namespace voltaro::ja
