// The build option record of a group (kept in its group file), the per-user build
// environment flags, and the command lines of build and run.
#pragma once

#include <QSettings>
#include <QString>

#include <array>

namespace veldra {

struct BuildOptions {
  QString makeFile;     // "#Makefile"
  QString makeUtility;  // "#MakeUtil"
  QString makeOptions;  // "#MakeOpt"
  QString runCommand;   // "#RunCmd"
  QString runOptions;   // "#RunOpt"
  // "#RunFlags": through the command shell, capture console output, run minimised.
  std::array<qint64, 3> runFlags{0, 0, 0};
  bool operator==(const BuildOptions&) const = default;
};

// Profile "BdOptSc"/"Flags" ("%d,%d", default "1,0").
struct BuildEnvironment {
  bool showInformation = true;  // "ﾋﾞﾙﾄﾞ前後にｲﾝﾌｫﾒｰｼｮﾝを表示する."
  bool skipSaveAll = false;  // "ﾋﾞﾙﾄﾞ時に [全て保存] を実行しない. "
  static BuildEnvironment load(QSettings& settings);
  void save(QSettings& settings) const;
  bool operator==(const BuildEnvironment&) const = default;
};

// The make utility, then a blank and the options when not empty, then a blank and
// the make file when not empty. Empty when no make utility is set.
QString buildCommandLine(const BuildOptions& options);

// The program to run, then a blank and its options when not empty. Empty when no
// program is set.
QString runCommandLine(const BuildOptions& options);

}  // namespace veldra
