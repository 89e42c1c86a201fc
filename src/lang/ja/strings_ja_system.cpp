// Japanese texts of the system errors the program can show (the English block
// strings_en_system.cpp).
#include "core/platform/system_error_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgSysNoSuchFile, "そのようなファイルやディレクトリはありません"},
    {kMsgSysPermissionDenied, "アクセスが拒否されました"},
    {kMsgSysNotPermitted, "操作は許可されていません"},
    {kMsgSysFileExists, "ファイルが存在します"},
    {kMsgSysIsDirectory, "ディレクトリです"},
    {kMsgSysNotDirectory, "ディレクトリではありません"},
    {kMsgSysNoSpace, "デバイスに空き領域がありません"},
    {kMsgSysReadOnly, "読み取り専用のファイルシステムです"},
    {kMsgSysInputOutput, "入出力エラーです"},
    {kMsgSysTooManyOpen, "開いているファイルが多すぎます"},
    {kMsgSysTooManyOpenInSystem, "システム全体で開いているファイルが多すぎます"},
    {kMsgSysNameTooLong, "ファイル名が長すぎます"},
    {kMsgSysLinkLoop, "シンボリックリンクの階層が多すぎます"},
    {kMsgSysQuotaExceeded, "ディスク使用量の上限を超えました"},
    {kMsgSysFileTooBig, "ファイルが大きすぎます"},
    {kMsgSysBusy, "デバイスまたはリソースが使用中です"},
    {kMsgSysNoDevice, "そのようなデバイスはありません"},
    {kMsgSysNoDeviceOrAddress, "そのようなデバイスまたはアドレスはありません"},
    {kMsgSysNotATerminal, "デバイスに対して不適切な ioctl です"},
    {kMsgSysTryAgain, "リソースが一時的に利用できません"},
    {kMsgSysInterrupted, "システムコールが中断されました"},
    {kMsgSysConnectionRefused, "接続が拒否されました"},
    {kMsgSysTimedOut, "接続がタイムアウトしました"},
    {kMsgSysHostUnreachable, "ホストへの経路がありません"},
    {kMsgSysNetworkUnreachable, "ネットワークに到達できません"},
    {kMsgSysConnectionReset, "接続が相手側からリセットされました"},
    {kMsgSysBrokenPipe, "パイプが切断されました"},
    {kMsgSysAddressNotAvailable, "要求されたアドレスを割り当てられません"},
    {kMsgSysNetworkDown, "ネットワークがダウンしています"},
    {kMsgSysConnectionAborted, "ソフトウェアによって接続が中止されました"},
    {kMsgSysHostDown, "ホストがダウンしています"},
    {kMsgSysInvalidArgument, "引数が無効です"},
    {kMsgSysOutOfMemory, "メモリを割り当てられません"},
    {kMsgSysCrossDevice, "デバイスをまたぐリンクは無効です"},
    {kMsgSysTextBusy, "テキストファイルが使用中です"},
    {kMsgResolverNameUnknown, "名前またはサービスが不明です"},
    {kMsgResolverNameTryAgain, "名前解決が一時的に失敗しました"},
    {kMsgResolverNameFailed, "名前解決で回復できない障害が発生しました"},
    {kMsgResolverServiceUnsupported, "このソケットの種類ではサービス名がサポートされていません"},
    {kMsgResolverNoAddress, "ホスト名に関連付けられたアドレスがありません"},
    {kMsgResolverFamilyUnsupported, "アドレスファミリーがサポートされていません"},
};

}  // namespace

const std::span<const StringEntry> kSystemErrors{kData};

}  // namespace voltaro::ja
