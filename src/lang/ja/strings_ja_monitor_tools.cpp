// Japanese texts of recording and the wiring findings in the monitor windows.
#include "core/platform/monitor_tools_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kEntries[] = {
    {kTextRecord, "記録..."},
    {kTextStopRecording, "記録停止"},
    {kTextRecordCaption, "モニタの値を CSV ファイルに記録"},
    {kTextRecordingStatus, "%1!s! に記録中: %2!d! 行, %3!s!"},
    {kMsgRecordErrorRow, "通信エラー: %1!s!"},
    {kMsgRecordingStopped, "記録を停止しました: %1!s!"},
    {kMsgRecordingAbandoned, "読み出しが中断されました"},
    {kTextWiringFindings, "配線チェック"},
    {kTextWiringStale, "最新ではありません: 前回のチェック以降に通信エラー"},
    {kTextWiringPending, "位相ベクトルを待っています..."},
};

}  // namespace

const std::span<const StringEntry> kMonitorTools{kEntries};

}  // namespace voltaro::ja
