// Texts the workbench's windows show (messages, captions, status texts).
#pragma once

#include "core/messages.h"

namespace veldra::msg {

inline constexpr Message kMarksFull{0, "行ﾏｰｸは、(%1)件までしか登録できません."};
inline constexpr Message kStatusReady{0, "ﾚﾃﾞｨ"};
inline constexpr Message kStatusAnalysing{0, "解析中......"};
// A large analysis result being read into its document.
inline constexpr Message kStatusLoading{0, "解析結果を読込み中...... %1%"};
inline constexpr Message kPositionPane{0, "%5ld 行,  %5ld 桁"};  // printf format: line, column
inline constexpr Message kAskBrowser{0, "ﾌﾞﾗｳｻﾞを起動しますか?"};
// Commands whose windows come with the options and tools component.
inline constexpr Message kNotYet{0, "%1 : この機能はまだ使用できません。"};
// Saving a document whose bytes the original encoding cannot reproduce.
inline constexpr Message kCannotKeepEncoding{
    0,
    "ﾌｧｲﾙ(%1)は読込み時の文字ｺｰﾄﾞで保存できない文字を含んでいます。名前を付けて保存して下さい。"};
inline constexpr Message kSaveFailed{0, "ﾌｧｲﾙ(%1)の保存に失敗しました。 : %2"};
inline constexpr Message kOpenFailed{0, "ﾌｧｲﾙ(%1)を開けません。 : %2"};
inline constexpr Message kDocumentModified{0, "%1 への変更を保存しますか?"};
inline constexpr Message kNoMatch{0, "\"%1\" が見つかりません。"};
inline constexpr Message kAboutProduct{0, "Ｃ言語ﾄﾞｷｭﾒﾝﾄ生成ﾂｰﾙ(Veldra/C)"};
inline constexpr Message kAboutVersion{0, "\tVersion  1.15"};
inline constexpr Message kAboutEngine{0, "解析ﾙｰﾁﾝ: %1"};
inline constexpr Message kUntitled{0, "無題"};
inline constexpr Message kStatusProcessRunning{0, "ﾌﾟﾛｾｽ実行中..."};
inline constexpr Message kStatusTouching{0, "ﾀｲﾑｽﾀﾝﾌﾟ変更中..."};

}  // namespace veldra::msg
