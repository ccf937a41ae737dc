#include "core/event_script.h"

#include <QFile>

#include <array>

#include "core/analysis_kind.h"
#include "core/constants.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

// The sections in the order of the event file, with the template file of each.
struct SectionFile {
  const char* section;
  const char* file;
};
constexpr std::array<SectionFile, 11> kSections{{
    {"_FTREE", "ftree"},
    {"_FLIST", "flist"},
    {"_RTREE", "rtree"},
    {"_COUNT", "count"},
    {"_ACTION", "action"},
    {"_HTML", "html"},
    {"_PROTOTYPE", "prototype"},
    {"_TAGS", "tags"},
    {"_ITREE", "itree"},
    {"_CHKDEF", "chkdef"},
    {"_ALLDOC", "alldoc"},
}};

constexpr std::array<const char*, 3> kEventFileHeader{{
    "#",
    "# Mora Event-Interface  : Event-File Ver 1.30",
    "#",
}};

// The variables that one settings group sets.
struct TreeVariables {
  int group;
  const char* onlyDefined;
  const char* withFile;
  const char* withPosition;
  const char* without;
};
constexpr std::array<TreeVariables, 3> kTreeVariables{{
    {kGroupList, "$_l_onlydef", "$_lt_wfile", "$_lp_wfile", "$_l_without"},
    {kGroupTree, "$_onlydef", "$_ft_wfile", "$_fp_wfile", "$_without"},
    {kGroupCaller, "$_r_onlydef", "$_rt_wfile", "$_rp_wfile", "$_r_without"},
}};

struct ComponentVariable {
  unsigned bit;
  const char* name;
};
constexpr std::array<ComponentVariable, 6> kComponentVariables{{
    {kComponentFunctionList, "$_bFList"},
    {kComponentFunctionTree, "$_bFTree"},
    {kComponentCallerTree, "$_bRTree"},
    {kComponentAction, "$_bAction"},
    {kComponentIncludeTree, "$_bITree"},
    {kComponentCount, "$_bCount"},
}};

bool kindIn(int kind, std::initializer_list<int> kinds) {
  for (int k : kinds) {
    if (k == kind) return true;
  }
  return false;
}

QByteArray quoted(const QByteArray& text) { return QByteArray(" \"") + text + '"'; }

// A macro definition file that does not exist yet is created holding one empty line.
bool ensureFileExists(const QString& name) {
  if (QFile::exists(name)) return true;
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  return file.write("\r\n") == 2;
}

}  // namespace

QByteArray wrapListFileName(const QString& name) {
  return quoted('<' + fileNameToBytes(name) + '>');
}

QString EventScript::sectionBody(const QString& section) {
  for (const SectionFile& s : kSections) {
    if (section == QLatin1String(s.section)) {
      QFile file(QStringLiteral(":/templates/%1.mora").arg(QLatin1String(s.file)));
      if (!file.open(QIODevice::ReadOnly)) return {};
      return QString::fromUtf8(file.readAll());
    }
  }
  return {};
}

QList<QByteArray> EventScript::builtInTemplate() {
  QList<QByteArray> lines;
  for (const char* line : kEventFileHeader) lines.append(line);
  for (const SectionFile& s : kSections) {
    QString body = sectionBody(QLatin1String(s.section));
    if (body.endsWith(u'\n')) body.chop(1);
    lines.append(QByteArray("<") + s.section + '>');
    for (QStringView line : QStringView(body).split(u'\n')) lines.append(encodeShiftJis(line));
    lines.append(QByteArray("</") + s.section + '>');
  }
  return lines;
}

EventScript::EventScript() : template_(builtInTemplate()) {}

EventScript::EventScript(QList<QByteArray> templateLines) : template_(std::move(templateLines)) {}

void EventScript::setVariable(const QString& name, const QByteArray& value) {
  for (auto& [existing, old] : variables_) {
    if (existing == name) {
      old = value;
      return;
    }
  }
  variables_.append({name, value});
}

QByteArray EventScript::variable(const QString& name) const {
  for (const auto& [existing, value] : variables_) {
    if (existing == name) return value;
  }
  return {};
}

bool EventScript::extractSection(const QString& name, QList<QByteArray>* out) const {
  out->clear();
  for (const auto& [variable, value] : variables_) out->append(variable.toLatin1() + '=' + value);
  const QByteArray tag = name.toLatin1();
  const qsizetype n = tag.size();
  int state = 0;  // 0 outside the section, 1 inside
  for (const QByteArray& line : template_) {
    bool isTag = line.startsWith('<') && line.size() >= n + 2 + state &&
                 !(state == 1 && line.at(1) != '/') && line.mid(state + 1, n) == tag;
    if (!isTag) {
      if (state == 1) out->append(line);
    } else if (state == 0) {
      state = 1;
    } else {
      return true;
    }
  }
  out->clear();
  return false;
}

void EventScript::setFlag(const QString& name, bool on) {
  setVariable(name, on ? QByteArray("true") : QByteArray("false"));
}

void EventScript::setTreeVariables(const AnalysisOptions& options, int group) {
  for (const TreeVariables& v : kTreeVariables) {
    if (v.group != group) continue;
    const TreeSettings& s = options.effective(group);
    setFlag(QLatin1String(v.onlyDefined), s.excludeUndefined);
    setFlag(QLatin1String(v.withFile), s.outputFileName && !s.outputFileAndLine);
    setFlag(QLatin1String(v.withPosition), s.outputFileAndLine);
    setFlag(QLatin1String(v.without), s.useExclusionList);
    if (s.useExclusionList) {
      setVariable(QStringLiteral("$_wofile"), wrapListFileName(options.exclusionListFile));
    }
  }
}

void EventScript::setMacroFile(const MacroFileSource& macroFile) {
  if (!macroFile) return;
  const QString name = macroFile();
  if (name.isEmpty()) return;
  if (!ensureFileExists(name)) return;
  setVariable(QStringLiteral("$_deffile"), quoted(fileNameToBytes(name)));
}

void EventScript::setVariablesFor(int kind, const QString& listFile, const AnalysisOptions& options,
                                  const MacroFileSource& macroFile) {
  setVariable(QStringLiteral("$_line"),
              options.lineDrawing == 1 ? QByteArray("\"ASCII\"") : QByteArray("\"JIS\""));
  setFlag(QStringLiteral("$_no_brace"), options.noBraceCheck);
  setFlag(QStringLiteral("$_pri_proc"), options.preprocessorCheck);
  if (options.preprocessorCheck) setMacroFile(macroFile);
  const bool everything = kindIn(kind, {kKindAllDocuments, kKindHtml});
  if (everything || kind == kKindCount)
    setFlag(QStringLiteral("$_countfunc"), options.countUnit == 1);
  if (everything || kind == kKindFunctionTree) setTreeVariables(options, kGroupTree);
  if (everything || kind == kKindCallerTree) setTreeVariables(options, kGroupCaller);
  if (everything || kind == kKindFunctionList) setTreeVariables(options, kGroupList);
  if (everything) {
    quint32 mask = kind == kKindAllDocuments ? options.allDocumentsMask : options.htmlMask;
    for (const ComponentVariable& c : kComponentVariables) {
      setFlag(QLatin1String(c.name), (mask & c.bit) != 0);
    }
  }
  setVariable(QStringLiteral("$_files"), wrapListFileName(listFile));
}

QByteArray EventScript::scriptBytes(const QList<QByteArray>& lines) {
  qsizetype size = 0;
  for (const QByteArray& line : lines) size += line.size() + 2;
  QByteArray out;
  out.reserve(size);
  for (const QByteArray& line : lines) out += line + "\r\n";
  return out;
}

QString EventScript::compose(int kind, const QString& listFile, const AnalysisOptions& options,
                             const MacroFileSource& macroFile, TempFileSet& files) {
  const AnalysisKindInfo* info = analysisKindInfo(kind);
  if (info == nullptr) return {};
  const QString script = files.create(QLatin1String(kPrefixScript));
  if (script.isEmpty()) return {};
  setVariablesFor(kind, listFile, options, macroFile);
  QList<QByteArray> lines;
  if (!extractSection(QLatin1String(info->section), &lines)) return {};
  QFile file(script);
  const QByteArray bytes = scriptBytes(lines);
  if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly) ||
      file.write(bytes) != bytes.size() || !file.flush()) {
    return {};
  }
  return script;
}

}  // namespace veldra
