#include "core/analysis_options.h"

#include "core/constants.h"
#include "core/profile_values.h"

namespace veldra {

namespace {

const QString kSection = QStringLiteral("An Opt");

QList<qint64> flagsOf(const AnalysisOptions& o) {
  const TreeSettings& c = o.groups[0];
  return {o.lineDrawing,        o.countUnit,        c.outputFileName,    c.useExclusionList,
          o.htmlMask,           o.allDocumentsMask, c.outputFileAndLine, c.excludeUndefined,
          o.individualSettings, o.noBraceCheck,     o.preprocessorCheck};
}

void applyFlags(AnalysisOptions& o, const QList<qint64>& f) {
  TreeSettings& c = o.groups[0];
  o.lineDrawing = f[0] == 1 ? 1 : 0;
  o.countUnit = f[1] == 1 ? 1 : 0;
  c.outputFileName = f[2] != 0;
  c.useExclusionList = f[3] != 0;
  o.htmlMask = static_cast<quint32>(f[4]);
  o.allDocumentsMask = static_cast<quint32>(f[5]);
  c.outputFileAndLine = f[6] != 0;
  c.excludeUndefined = f[7] != 0;
  o.individualSettings = f[8] != 0;
  o.noBraceCheck = f[9] != 0;
  o.preprocessorCheck = f[10] != 0;
}

QList<qint64> groupFlagsOf(const AnalysisOptions& o) {
  QList<qint64> out;
  for (int g = 1; g <= 3; ++g) {
    const TreeSettings& s = o.groups[static_cast<size_t>(g)];
    out << s.excludeUndefined << s.outputFileName << s.outputFileAndLine << s.useExclusionList;
  }
  return out;
}

void applyGroupFlags(AnalysisOptions& o, const QList<qint64>& f) {
  for (int g = 1; g <= 3; ++g) {
    TreeSettings& s = o.groups[static_cast<size_t>(g)];
    qsizetype base = (g - 1) * 4;
    s.excludeUndefined = f[base] != 0;
    s.outputFileName = f[base + 1] != 0;
    s.outputFileAndLine = f[base + 2] != 0;
    s.useExclusionList = f[base + 3] != 0;
  }
}

}  // namespace

QString defaultExclusionList(const QString& programDir) {
  QString name = QLatin1String(kDefaultFunctionList);
  if (programDir.isEmpty()) return name;
  return programDir.endsWith(u'/') ? programDir + name : programDir + u'/' + name;
}

AnalysisOptions::AnalysisOptions(const QString& programDir)
    : exclusionListFile(defaultExclusionList(programDir)),
      htmlMask(kAllComponents),
      allDocumentsMask(kAllComponents) {}

const TreeSettings& AnalysisOptions::effective(int group) const {
  if (!individualSettings || group < 0 || group > 3) return groups[0];
  return groups[static_cast<size_t>(group)];
}

bool AnalysisOptions::sameValues(const AnalysisOptions& other) const {
  return lineDrawing == other.lineDrawing && noBraceCheck == other.noBraceCheck &&
         preprocessorCheck == other.preprocessorCheck && groups == other.groups &&
         exclusionListFile == other.exclusionListFile &&
         individualSettings == other.individualSettings && countUnit == other.countUnit &&
         htmlMask == other.htmlMask && allDocumentsMask == other.allDocumentsMask;
}

AnalysisOptions AnalysisOptions::load(QSettings& settings, const QString& programDir) {
  AnalysisOptions o(programDir);
  applyFlags(o, readPackedNumbers(settings, kSection, QStringLiteral("Flags"), flagsOf(o)));
  applyGroupFlags(o,
                  readPackedNumbers(settings, kSection, QStringLiteral("FFlags"), groupFlagsOf(o)));
  o.exclusionListFile = readText(settings, kSection, QStringLiteral("WOFile"), o.exclusionListFile);
  o.lastPage = static_cast<int>(readNumber(settings, kSection, QStringLiteral("EFlags"), -1));
  return o;
}

void AnalysisOptions::save(QSettings& settings) const {
  writePackedNumbers(settings, kSection, QStringLiteral("Flags"), flagsOf(*this));
  writePackedNumbers(settings, kSection, QStringLiteral("FFlags"), groupFlagsOf(*this));
  settings.setValue(kSection + QStringLiteral("/WOFile"), exclusionListFile);
  settings.setValue(kSection + QStringLiteral("/EFlags"), QString::number(lastPage));
}

void AnalysisOptions::saveIfChanged(QSettings& settings, const AnalysisOptions& loaded) const {
  if (!sameValues(loaded)) {
    save(settings);
    return;
  }
  settings.setValue(kSection + QStringLiteral("/EFlags"), QString::number(lastPage));
}

}  // namespace veldra
