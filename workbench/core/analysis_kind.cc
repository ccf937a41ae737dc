#include "core/analysis_kind.h"

#include <array>

namespace veldra {

namespace {
constexpr std::array<AnalysisKindInfo, 11> kKinds{{
    {1, "_FLIST", "関数一覧", 900, 144},
    {2, "_FTREE", "関数呼出ﾂﾘｰ", 901, 145},
    {3, "_RTREE", "関数逆呼出ﾂﾘｰ", 902, 148},
    {4, "_ACTION", "ｱｸｼｮﾝﾀﾞｲｱｸﾞﾗﾑ", 905, 146},
    {5, "_HTML", "HTML", 904, 152},
    {6, "_COUNT", "ｽﾃｯﾌﾟ数", 906, 147},
    {7, "_ITREE", "ｲﾝｸﾙｰﾄﾞﾂﾘｰ", 903, 149},
    {8, "_PROTOTYPE", "関数ﾌﾟﾛﾄﾀｲﾌﾟ", 907, 151},
    {9, "_TAGS", "関数ﾀｸﾞﾌｧｲﾙ", 908, 150},
    {10, "_ALLDOC", "ﾄﾞｷｭﾒﾝﾄ一括", 909, 153},
    {11, "_CHKDEF", "#if,#ifdef 定義抽出", 914, 173},
}};
}  // namespace

const AnalysisKindInfo* analysisKindInfo(int kind) {
  if (kind < 1 || kind > static_cast<int>(kKinds.size())) return nullptr;
  return &kKinds[static_cast<size_t>(kind - 1)];
}

}  // namespace veldra
