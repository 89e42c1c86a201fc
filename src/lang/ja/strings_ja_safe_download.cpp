// Japanese texts of backup, read-back verification and the audit log of downloads.
#include "core/platform/safe_download_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextSafeBackupFailed,
     "機器の現在の設定をバックアップできなかったため、機器には何も書き込んでいません。\r%1!s!"},
    {kTextSafeBackupSaved, "バックアップ: %1!s!"},
    {kTextSafeVerified, "読み戻して照合しました: 書き込んだ値はすべて機器に保持されています。"},
    {kTextSafeVerifyMismatch, "照合に失敗しました: 書き込んだ値と異なる機器の値: %1!d! 個 (%2!s!)"},
    {kTextSafeVerifyNotRead, "照合のために書き込んだ値を読み戻せませんでした: %1!s!"},
    {kTextSafeNotVerified, "照合していません (読み戻しはオフです)。"},
    {kTextSafeRestored, "バックアップ %1!s! を復元しました。"},
    {kTextSafeRestoreButton, "バックアップを復元"},
    {kTextSafeOfferRestore,
     "機器には新旧の値が混在している可能性があります。\rバックアップ %1!s! を復元しますか?"},
    {kTextSafeAuditFailed, "監査ログ %1!s! に書き込めませんでした: %2!s!"},
    {kTextSafeSettingsGroup, "ダウンロードの安全策"},
    {kTextSafeBackupSetting, "ダウンロード前に機器の設定をバックアップする"},
    {kTextSafeVerifySetting, "ダウンロード後に読み戻して照合する"},
    {kTextSafeMoreDiffering, "ほか %1!d! 個"},
    {kTextSafeNoBackupTaken, "バックアップは作成していません (バックアップはオフです)。"},
    {kTextSafeBackupDirectoryFailed, "フォルダ %1!s! を作成できませんでした: %2!s!"},
    {kTextSafeRestoreHint, "バックアップを復元するには: voltaro-cli download %1!s!"},
    {kTextSafeReadBackCancelled, "読み戻しは中止されました"},
};

}  // namespace

const std::span<const StringEntry> kSafeDownload{kData};

}  // namespace voltaro::ja
