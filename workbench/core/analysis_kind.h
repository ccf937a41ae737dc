// The analysis kinds 1 to 11: template section, dialog title and icon of each.
#pragma once

#include <QString>

namespace veldra {

struct AnalysisKindInfo {
  int kind;
  const char* section;  // template section, e.g. "_FTREE"
  const char* title;    // dialog title (UTF-8)
  int titleId;
  int iconId;
};

// The entry of `kind`, or nullptr for a kind without a section (0, 12, ...).
const AnalysisKindInfo* analysisKindInfo(int kind);

// Component bits of the HTML and all-documents masks.
enum Component : unsigned {
  kComponentFunctionList = 1,
  kComponentFunctionTree = 2,
  kComponentCallerTree = 4,
  kComponentAction = 8,
  kComponentIncludeTree = 16,
  kComponentCount = 32,
};

inline constexpr int kKindFunctionList = 1;
inline constexpr int kKindFunctionTree = 2;
inline constexpr int kKindCallerTree = 3;
inline constexpr int kKindAction = 4;
inline constexpr int kKindHtml = 5;
inline constexpr int kKindCount = 6;
inline constexpr int kKindIncludeTree = 7;
inline constexpr int kKindPrototype = 8;
inline constexpr int kKindTags = 9;
inline constexpr int kKindAllDocuments = 10;
inline constexpr int kKindCheckDefine = 11;

}  // namespace veldra
