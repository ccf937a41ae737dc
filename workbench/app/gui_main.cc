// The interactive workbench: single-instance check, the main frame, the event loop.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/main_frame.h"
#include "app/single_instance.h"
#include "core/temp_file.h"
#include "interactive.h"

namespace veldra {

int runInteractive(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Pellwick"));
  QApplication::setApplicationName(QStringLiteral("VeldraC"));
  const QStringList args = QApplication::arguments().mid(1);
  const QString file = args.value(0);

  SingleInstance instance;
  if (instance.handOver(file, QDir::currentPath())) return 0;
  instance.listen();

  MainFrame frame;
  QObject::connect(&instance, &SingleInstance::handedOver, &frame, &MainFrame::handOver);
  QString pendingGroup;
  if (QFileInfo(file).suffix().compare(QStringLiteral("vgp"), Qt::CaseInsensitive) == 0) {
    pendingGroup = QFileInfo(file).absoluteFilePath();
  }
  frame.show();
  frame.restoreFromProfile(pendingGroup);
  if (!file.isEmpty() && pendingGroup.isEmpty() && !frame.openDocument(file)) return 1;
  const int code = app.exec();
  removeAllTempFiles();
  return code;
}

}  // namespace veldra
