// The analysis option record and its profile form (section "An Opt").
#pragma once

#include <QSettings>
#include <QString>

#include <array>

namespace veldra {

// The four check boxes of one settings group.
struct TreeSettings {
  bool excludeUndefined = false;   // "未定義関数を解析対象外とする。"
  bool outputFileName = true;      // "ﾌｧｲﾙ名を出力する。"
  bool outputFileAndLine = false;  // "ﾌｧｲﾙ名、行番号を出力する。"
  bool useExclusionList = false;   // "解析対象外ﾘｽﾄを利用する。"
  bool operator==(const TreeSettings&) const = default;
};

// Settings groups: 0 common, 1 function list, 2 function tree, 3 caller tree.
enum SettingsGroup { kGroupCommon = 0, kGroupList = 1, kGroupTree = 2, kGroupCaller = 3 };

struct AnalysisOptions {
  int lineDrawing = 0;  // 0 JIS, 1 ASCII
  bool noBraceCheck = false;
  bool preprocessorCheck = false;
  std::array<TreeSettings, 4> groups{};
  QString exclusionListFile;
  bool individualSettings = false;
  int countUnit = 0;  // 0 per file, 1 per function
  quint32 htmlMask;
  quint32 allDocumentsMask;
  int lastPage = -1;  // "EFlags": the page last shown in the options sheet

  // Defaults; the exclusion list is Default.fls in `programDir` ("Default.fls"
  // alone when the directory is unknown).
  explicit AnalysisOptions(const QString& programDir = QString());

  // The settings that count for a group: the group's own with individual settings
  // on, the common ones otherwise.
  const TreeSettings& effective(int group) const;

  // Every field but the page last shown.
  bool sameValues(const AnalysisOptions& other) const;

  // Reads the record; missing or malformed entries keep their defaults.
  static AnalysisOptions load(QSettings& settings, const QString& programDir);
  // Writes every entry.
  void save(QSettings& settings) const;
  // Writes only "EFlags" when the values equal `loaded`, else everything.
  void saveIfChanged(QSettings& settings, const AnalysisOptions& loaded) const;
};

QString defaultExclusionList(const QString& programDir);

}  // namespace veldra
