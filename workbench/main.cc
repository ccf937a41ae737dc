// VeldraC: batch options run headless here; everything else opens the workbench.
#include <QCoreApplication>

#include <cstdio>

#include "core/batch.h"
#include "core/temp_file.h"
#include "interactive.h"

int main(int argc, char** argv) {
  if (!veldra::isBatchInvocation(argc, argv)) return veldra::runInteractive(argc, argv);
  QCoreApplication app(argc, argv);
  const int code = veldra::runBatch(QCoreApplication::arguments().mid(1), stdout, stderr);
  veldra::removeAllTempFiles();
  return code;
}
