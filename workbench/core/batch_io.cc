#include "core/batch_io.h"

#include <QByteArray>
#include <QFileInfo>

#include "core/group_file.h"

namespace veldra {

void printLine(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

bool loadGroup(const QString& name, QString* path, GroupFileData* data, std::FILE* err) {
  *path = QFileInfo(groupPathWithExtension(name)).absoluteFilePath();
  GroupReadResult read = readGroupFile(*path);
  if (!read.ok) {
    printLine(err, read.message);
    return false;
  }
  *data = std::move(read.data);
  return true;
}

}  // namespace veldra
