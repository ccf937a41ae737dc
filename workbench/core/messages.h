// The workbench's user-visible message texts, each with its string id where it has one.
#pragma once

#include <QString>

namespace veldra {

struct Message {
  int id;
  const char* text;  // UTF-8; %1, %2 ... are filled with QString::arg
  QString str() const { return QString::fromUtf8(text); }
};

namespace msg {
inline constexpr Message kNoComponents{287, "出力対象がありません。解析ｵﾌﾟｼｮﾝで設定して下さい。"};
inline constexpr Message kOutOfMemory{271, "ﾒﾓﾘ不足でｺﾏﾝﾄﾞの実行ができません。"};
inline constexpr Message kAnalysisFailed{272, "解析ﾓｼﾞｭｰﾙの実行に失敗しました。"};
inline constexpr Message kAlreadyRunning{268, "解析の複数実行はできません。"};
inline constexpr Message kGroupEmpty{0, "グループにファイルが登録されていません。"};
inline constexpr Message kGroupInvalid{
    0, "ｸﾞﾙｰﾌﾟﾌｧｲﾙ(%1)の内容が不正です。ｸﾞﾙｰﾌﾟﾌｧｲﾙ以外のﾌｧｲﾙが指定された可能性があります。"};
inline constexpr Message kListInvalid{0, "ﾌｧｲﾙ(%1)のﾌｧｲﾙﾌｫｰﾏｯﾄが不正です｡"};
inline constexpr Message kWriteFailed{0, "ファイルの書き込みに失敗しました。"};
inline constexpr Message kReadFailed{0, "ファイルの読込みに失敗しました。"};
inline constexpr Message kCreateFailed{0, "ファイルの作成に失敗しました。"};
inline constexpr Message kCreateMissing{0, "ﾌｧｲﾙ(%1)が見つかりません。新規に作成しますか?"};
inline constexpr Message kDuplicateOne{0, "指定されたﾌｧｲﾙ(%1)は既にｸﾞﾙｰﾌﾟに登録されています。"};
inline constexpr Message kDuplicateMany{
    0, "指定されたﾌｧｲﾙに既にｸﾞﾙｰﾌﾟに登録されているものがありました。"};
inline constexpr Message kSaveModified{0, "ｸﾞﾙｰﾌﾟが変更されています。保存しますか?"};
inline constexpr Message kMacroRefusedOne{0, "%1は、既に定義されているため、一覧に追加できません"};
inline constexpr Message kMacroRefusedMany{0, "一覧に追加できない定義がありました。"};
inline constexpr Message kJumpTargetMissing{0, "ｼﾞｬﾝﾌﾟ先のﾌｧｲﾙ(%1)が見つかりません"};
inline constexpr Message kItemsMax{0, "最大登録数は､%1件です｡"};
inline constexpr Message kItemDuplicate{0, "登録された名称(%1)が重複しています。"};
inline constexpr Message kItemNoTitle{0, "ﾀｲﾄﾙを入力してください。"};
inline constexpr Message kItemNoFile{0, "ﾌｧｲﾙ名を入力してください。"};
inline constexpr Message kBuildNotSet{0, "ﾋﾞﾙﾄﾞ情報が未設定です。ﾋﾞﾙﾄﾞの設定で設定して下さい。"};
inline constexpr Message kRunNotSet{0, "実行情報が未設定です。ﾋﾞﾙﾄﾞの設定で設定して下さい。"};
inline constexpr Message kCommandFailed{0, "コマンド(%1)の実行に失敗しました｡"};
inline constexpr Message kBuildStart{0, "--------------- ﾋﾞﾙﾄﾞ  [%1]  開始 ---------------"};
inline constexpr Message kBuildEnd{0, "ﾋﾞﾙﾄﾞ終了 [ 終了ｺｰﾄﾞ  %1  ]"};
inline constexpr Message kBuildRunning{0, "ﾋﾞﾙﾄﾞ実行中ですが終了しますか？"};
inline constexpr Message kFindNoHit{0, "指定された条件に合致するレコードは見つかりませんでした。"};
inline constexpr Message kYearInvalid{0, "年の入力が不正です。"};
inline constexpr Message kMonthInvalid{0, "月の入力が不正です。"};
inline constexpr Message kDayInvalid{0, "日の入力が不正です。"};
inline constexpr Message kHourInvalid{0, "時の入力が不正です。"};
inline constexpr Message kMinuteInvalid{0, "分の入力が不正です。"};
inline constexpr Message kSecondInvalid{0, "秒の入力が不正です。"};
inline constexpr Message kTouchFailed{0, "ﾀｲﾑｽﾀﾝﾌﾟの変更ができないﾌｧｲﾙがありました。"};
}  // namespace msg

}  // namespace veldra
