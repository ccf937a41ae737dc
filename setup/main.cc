// VDSetup: registers the installed workbench with the user's desktop, or
// ("/r") takes the registration and the installed files away again.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCoreApplication>

#include "install_paths.h"
#include "setup_flow.h"
#include "setup_options.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const setup::SetupOptions options = setup::parseSetupOptions(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "VDSetup: unknown option %s\n%s", options.error.toLocal8Bit().constData(),
                 setup::setupUsage().toLocal8Bit().constData());
    return setup::kExitCancelled;
  }

  // Unattended runs need no display at all.
  std::unique_ptr<QCoreApplication> app;
  if (options.unattended) {
    app = std::make_unique<QCoreApplication>(argc, argv);
  } else {
    app = std::make_unique<QApplication>(argc, argv);
  }
  const setup::InstallPaths paths = setup::installPathsFor(QCoreApplication::applicationFilePath());
  return options.unattended ? setup::runUnattended(options, paths)
                            : setup::runInteractive(options, paths);
}
