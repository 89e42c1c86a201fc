// A small Japanese language module for the tests: a few texts, one of which reorders
// its inserts.
#include <cstddef>
#include <iterator>

#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace {

const voltaro::StringEntry kTable[] = {
    {voltaro::kMsgOutOfRange, "%1!s!には%3!s!以下、%2!s!以上の値を入力してください。"},
    {voltaro::kMsgInvalidFileFormat, "読み込みエラー。ファイル形式が正しくありません。"},
    {voltaro::kMsgAreYouSure, "よろしいですか?"},
    {voltaro::kMsgUnsupportedDevice, "この機器はサポートされていません。(機器ID=%d, 拡張ID=%d)"},
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const voltaro::StringEntry* voltaro_string_table(
    std::size_t* count) {
    *count = std::size(kTable);
    return kTable;
}
