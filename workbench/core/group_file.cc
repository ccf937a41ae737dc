#include "core/group_file.h"

#include <QFile>
#include <QSaveFile>

#include <array>

#include "core/constants.h"
#include "core/messages.h"
#include "core/profile_values.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

// The settings lines in the order they are written.
using Field = QString BuildOptions::*;
struct SettingsLine {
  const char* name;
  Field field;  // nullptr for "#RunFlags"
};
constexpr std::array<SettingsLine, 6> kSettings{{
    {"#Makefile", &BuildOptions::makeFile},
    {"#MakeUtil", &BuildOptions::makeUtility},
    {"#MakeOpt", &BuildOptions::makeOptions},
    {"#RunCmd", &BuildOptions::runCommand},
    {"#RunOpt", &BuildOptions::runOptions},
    {"#RunFlags", nullptr},
}};

bool isNameByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '#';
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// name [blanks] "=" [blanks] value; a quoted value loses its quotation marks.
bool parseSettingsLine(QByteArrayView line, QByteArrayView* name, QByteArrayView* value) {
  qsizetype i = 0;
  while (i < line.size() && isNameByte(line[i])) ++i;
  if (i == 0) return false;
  *name = line.first(i);
  while (i < line.size() && line[i] == ' ') ++i;
  if (i >= line.size() || line[i] != '=') return false;
  ++i;
  while (i < line.size() && isBlank(line[i])) ++i;
  QByteArrayView v = line.sliced(i);
  if (v.startsWith('"')) {
    v = v.sliced(1);
    qsizetype close = v.lastIndexOf('"');
    if (close >= 0) {
      QByteArrayView rest = v.sliced(close + 1);
      bool onlyBlanks = true;
      for (char c : rest) onlyBlanks = onlyBlanks && c == ' ';
      if (onlyBlanks) v = v.first(close);
    }
  }
  *value = v;
  return true;
}

void applySetting(BuildOptions& build, QByteArrayView name, QByteArrayView value) {
  for (const SettingsLine& s : kSettings) {
    if (QByteArrayView(s.name).compare(name, Qt::CaseInsensitive) != 0) continue;
    if (s.field != nullptr) {
      build.*(s.field) = fileNameFromBytes(value);
      return;
    }
    build.runFlags = {0, 0, 0};
    QList<qint64> n = parsePackedNumbers(QString::fromLatin1(value), 3);
    for (qsizetype k = 0; k < n.size(); ++k) build.runFlags[static_cast<size_t>(k)] = n[k];
    return;
  }
}

// One line without its line end (LF, and a CR directly before it).
QByteArrayView nextLine(QByteArrayView bytes, qsizetype* pos) {
  qsizetype start = *pos;
  qsizetype end = bytes.indexOf('\n', start);
  if (end < 0) end = bytes.size();
  *pos = end + 1;
  qsizetype stop = end;
  if (stop > start && bytes[stop - 1] == '\r') --stop;
  return bytes.sliced(start, stop - start);
}

}  // namespace

GroupFileData parseGroupFile(QByteArrayView bytes, bool* headerOk) {
  GroupFileData data;
  qsizetype pos = 0;
  QByteArrayView header = nextLine(bytes, &pos);
  *headerOk = header.first(std::min<qsizetype>(header.size(), kHeaderLineMax))
                  .startsWith(QByteArrayView(kGroupHeader));
  if (!*headerOk) return data;
  const bool knownVersion = header == QByteArray(kGroupHeader) + kGroupVersion;
  while (pos < bytes.size()) {
    QByteArrayView line = nextLine(bytes, &pos);
    if (line.isEmpty()) continue;
    if (knownVersion && line.startsWith('#')) {
      QByteArrayView name, value;
      if (parseSettingsLine(line, &name, &value)) applySetting(data.build, name, value);
      continue;
    }
    data.files.append(line.toByteArray());
  }
  return data;
}

QByteArray formatGroupFile(const GroupFileData& data) {
  QByteArray out = QByteArray(kGroupHeader) + kGroupVersion + "\r\n";
  for (const SettingsLine& s : kSettings) {
    out += s.name;
    out += '=';
    if (s.field != nullptr) {
      out += fileNameToBytes(data.build.*(s.field));
    } else {
      const auto& f = data.build.runFlags;
      out += QByteArray::number(f[0]) + ',' + QByteArray::number(f[1]) + ',' +
             QByteArray::number(f[2]);
    }
    out += "\r\n";
  }
  for (const QByteArray& file : data.files) out += file + "\r\n";
  return out;
}

GroupReadResult readGroupFile(const QString& path) {
  GroupReadResult result;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.message = msg::kReadFailed.str() + QStringLiteral(" : ") + file.errorString();
    return result;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.message = msg::kReadFailed.str() + QStringLiteral(" : ") + file.errorString();
    return result;
  }
  bool headerOk = false;
  result.data = parseGroupFile(bytes, &headerOk);
  result.ok = headerOk;
  if (!headerOk) result.message = msg::kGroupInvalid.str().arg(path);
  return result;
}

QString writeGroupFile(const QString& path, const GroupFileData& data) {
  QSaveFile file(path);
  const QByteArray bytes = formatGroupFile(data);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return msg::kWriteFailed.str() + QStringLiteral(" : ") + file.errorString();
  }
  return {};
}

// The first "." of the file name itself: a dot in a folder name (a hidden
// folder, "app.old/") must not cut the path, or the macro file would land in
// another folder over another file.
static qsizetype firstDotOfFileName(const QString& path) {
  qsizetype nameStart = path.lastIndexOf(u'/') + 1;
  return path.indexOf(u'.', nameStart);
}

QString groupPathWithExtension(const QString& path) {
  if (firstDotOfFileName(path) >= 0) return path;
  return path + u'.' + QLatin1String(kGroupExtension);
}

QString macroFileNameFor(const QString& groupPath) {
  qsizetype dot = firstDotOfFileName(groupPath);
  QString head = dot < 0 ? groupPath + u'.' : groupPath.left(dot + 1);
  return head + QLatin1String(kMacroExtension);
}

}  // namespace veldra
