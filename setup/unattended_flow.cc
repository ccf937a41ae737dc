#include <cstdio>

#include <QSettings>

#include "installer.h"
#include "profile_defaults.h"
#include "setup_flow.h"
#include "setup_messages.h"
#include "uninstaller.h"
#include "workbench_probe.h"

namespace setup {
namespace {

void printMessage(std::FILE* stream, int id, const QString& argument) {
  std::fprintf(stream, "%s\n", messageText(id, argument).toUtf8().constData());
}

int installUnattended(const SetupOptions& options, const InstallPaths& paths) {
  if (workbenchRunning()) {
    printMessage(stderr, kRunningInstall, {});
    return kExitCancelled;
  }
  int mode;
  {
    const QSettings profile(profileOrganization(), profileApplication());
    mode = commonControlsMode(profile);
  }
  const bool found =
      performInstall(paths, currentDesktopPlaces(), options.choices, mode,
                     [](int id, const QString& argument) { printMessage(stderr, id, argument); });
  return found ? kExitDone : kExitNoWorkbench;
}

int uninstallUnattended(const InstallPaths& paths) {
  if (workbenchRunning()) {
    printMessage(stderr, kRunningUninstall, {});
    return kExitCancelled;
  }
  const UninstallNotice notice = performUninstall(paths, currentDesktopPlaces(), [] {});
  if (notice.id != 0) printMessage(stdout, notice.id, notice.argument);
  return kExitDone;
}

}  // namespace

int runUnattended(const SetupOptions& options, const InstallPaths& paths) {
  return options.uninstall ? uninstallUnattended(paths) : installUnattended(options, paths);
}

}  // namespace setup
