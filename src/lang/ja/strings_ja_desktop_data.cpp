// Japanese texts of the desktop program's data safety (the English block
// strings_en_desktop_data.cpp).
#include "core/platform/message_ids.h"
#include "core/platform/ui_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextUnlistedValue, "%1!d!(この機種の選択肢にない値)"},
    {kMsgDownloadNotAllowed,
     "ダウンロードを中止しました: %1!s! - %2!s!(レジスタ %3!d!)の値 %4!s! は設定できません。"
     "設定できる値: %5!s!。機器には何も書き込んでいません。"},
    {kMsgRetryingNoAnswer, "応答がありません。再試行しています(%1!d!/%2!d!)..."},
    {kMsgIpOctetRange, "%1!s! は入力できません。IP アドレスの各欄は 0～255 です。"},
    {kMsgProtectionIsOn,
     "プロテクトは有効です。機器は Modbus パスコードでのみ書き込みを受け付けます。"},
    {kMsgProtectionIsOff, "プロテクトは無効です。機器はパスコードなしで書き込みを受け付けます。"},
};

}  // namespace

const std::span<const StringEntry> kDesktopData{kData};

}  // namespace voltaro::ja
