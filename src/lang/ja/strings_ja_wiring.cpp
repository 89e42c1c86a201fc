// Japanese texts of the wiring check and of voltaro-cli wiring-check.
#include "core/platform/message_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kMsgWiringLooksRight, "結線は正常です"},
    {kMsgWiringNotAvailable, "結線チェックは使用できません: %1!s!"},
    {kMsgWiringSystemWithoutVectors, "相方式「%1!s!」にはベクトルがありません。"},
    {kMsgWiringDeviceWithoutVectors, "機器がベクトルを出力していません。"},
    {kMsgWiringCurrentsNotJudged,
     "電圧は確認しました。電流は判定していません: 最大の電流が定格電流の %1!s! 未満です。"},
    {kMsgWiringSequence, "相順: %1!s!"},
    {kMsgWiringSequenceReversed, "相順が逆です (L1-L3-L2)"},
    {kMsgWiringVoltageAngles, "U1N %1!s!°、U2N %2!s!°、U3N %3!s!°"},
    {kMsgWiringSequenceReversedHint,
     "電源側が実際に逆相でなければ、電圧入力とその CT の2相を同時に入れ替えてください。"},
    {kMsgWiringAnglesIrregular, "電圧の位相角が相方式に合いません"},
    {kMsgWiringAnglesIrregularHint,
     "各電圧入力が正しい相に接続されているか、機器に設定した相方式が設備と合っているか確認して"
     "ください。"},
    {kMsgWiringVoltageMissing, "電圧 U%1!d! が欠相しています"},
    {kMsgWiringVoltageMissingEvidence, "%1!s! V (基準 %2!s! V)"},
    {kMsgWiringVoltageMissingHint,
     "%1!d! 相の電圧入力 (ヒューズ、端子、配線) を確認してください。"},
    {kMsgWiringCurrentMissing, "電流 I%1!d! がありません"},
    {kMsgWiringCurrentMissingEvidence, "%1!s! A (最大の相電流は %2!s! A)"},
    {kMsgWiringCurrentMissingHint,
     "%1!d! 相の CT を確認してください: 短絡片の外し忘れ、断線、端子の緩み。"},
    {kMsgWiringCurrentReversed, "電流 I%1!d! が逆向きです"},
    {kMsgWiringCurrentAngle, "I%1!d! は U%1!d!N から %2!s!°、P%1!d! = %3!s! W"},
    {kMsgWiringCurrentReversedHint,
     "この相が実際に電力を送り返しているのでなければ、%1!d! 相の CT の向きを直すか、二次側の2本 "
     "(S1、S2) を入れ替えてください。"},
    {kMsgWiringWrongPhase, "電流 I%1!d! は %2!d! 相のものです"},
    {kMsgWiringWrongPhaseEvidence, "I%1!d! は U%1!d!N から %3!s!°、U%2!d!N から %4!s!°"},
    {kMsgWiringWrongPhaseHint,
     "入力 I%1!d! に接続された CT は %2!d! 相にあります: %2!d! 相の電流入力に接続し直すか、電圧の"
     "配線を合わせてください。"},
    {kMsgWiringPowerFactorOff, "力率 %1!s! がベクトルから推定される %2!s! と大きく異なります"},
    {kMsgWiringPowerFactorEvidence, "力率 (合計) %1!s!、ベクトルからの負荷角 %2!s!°"},
    {kMsgWiringPowerFactorHint,
     "この状態では電力と電力量の計測値が正しくありません: 見つかった結線の誤りを直し、CT 比と"
     "機器に設定した相方式を確認してください。"},
    {kMsgWiringReversedPower, "P%1!d! = %2!s! W (他の相の合計 %3!s! W)"},
    {kMsgWiringUsage,
     "使い方: voltaro-cli wiring-check [接続オプション] [--channel 1|2] [--json]\n"
     "接続された計器の位相角、定格、相方式、瞬時値を読み出し、結線の誤りを報告します:\n"
     "相順、逆向きの電流、電圧または電流の欠相、他の相に接続された電流、ベクトルから推定される\n"
     "値と大きく異なる力率。それぞれに根拠とヒントを付けます。\n"
     "  --channel 1|2  2入力の機器の計測入力 (既定 1)\n"
     "  --json         報告を1つの JSON オブジェクトで出力\n"
     "終了コード: 0 結線は正常 (またはチェック不可)、4 指摘あり、1 機器を読み出せない、\n"
     "2 引数の誤り。\n"},
    {kMsgWiringEvidenceLine, "  根拠: %1!s!"},
    {kMsgWiringHintLine, "  ヒント: %1!s!"},
    {kMsgWiringUnexpectedArgument, "予期しない引数 \"%1!s!\""},
    {kMsgWiringCurrentIrregular, "電流 I%1!d! が電圧に合いません"},
    {kMsgWiringCurrentIrregularEvidence, "I%1!d! は U%1!d!N から %2!s!°、平均の負荷角は %3!s!°"},
    {kMsgWiringCurrentIrregularHint,
     "%1!d! 相の CT とその配線を確認してください。負荷の大きな不平衡や力率 0.5 未満の負荷でも"
     "このようになることがあります。"},
};

}  // namespace

const std::span<const StringEntry> kWiring{kData};

}  // namespace voltaro::ja
