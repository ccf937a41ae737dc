#include "core/build_options.h"

#include "core/profile_values.h"

namespace veldra {

namespace {
const QString kEnvironmentSection = QStringLiteral("BdOptSc");

QString joined(QString line, const QString& part) {
  if (!part.isEmpty()) line += u' ' + part;
  return line;
}
}  // namespace

BuildEnvironment BuildEnvironment::load(QSettings& settings) {
  BuildEnvironment e;
  QList<qint64> f =
      readPackedNumbers(settings, kEnvironmentSection, QStringLiteral("Flags"), {1, 0});
  e.showInformation = f[0] != 0;
  e.skipSaveAll = f[1] != 0;
  return e;
}

void BuildEnvironment::save(QSettings& settings) const {
  writePackedNumbers(settings, kEnvironmentSection, QStringLiteral("Flags"),
                     {showInformation, skipSaveAll});
}

QString buildCommandLine(const BuildOptions& options) {
  if (options.makeUtility.isEmpty()) return {};
  return joined(joined(options.makeUtility, options.makeOptions), options.makeFile);
}

QString runCommandLine(const BuildOptions& options) {
  if (options.runCommand.isEmpty()) return {};
  return joined(options.runCommand, options.runOptions);
}

}  // namespace veldra
