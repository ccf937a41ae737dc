#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include "installer.h"
#include "profile_defaults.h"
#include "setup_dialogs.h"
#include "setup_flow.h"
#include "setup_messages.h"
#include "uninstaller.h"
#include "workbench_probe.h"

namespace setup {
namespace {

// Shows the main dialog until the user either goes on while no workbench runs,
// or abandons setup. Returns false when abandoned.
bool chooseRegistration(SetupDialog& dialog) {
  dialog.raise();
  dialog.activateWindow();
  return dialog.exec() == QDialog::Accepted;
}

bool launchWorkbench(const InstallPaths& paths) {
  QStringList arguments;
  if (QFileInfo(paths.readme()).isFile()) arguments << paths.readme();
  return QProcess::startDetached(paths.workbench(), arguments);
}

int installInteractive(const SetupOptions& options, const InstallPaths& paths) {
  if (IntroDialog().exec() != QDialog::Accepted) return kExitCancelled;
  int mode;
  {
    const QSettings profile(profileOrganization(), profileApplication());
    mode = commonControlsMode(profile);
  }
  SetupDialog dialog(options.choices, mode, [&dialog] {
    if (!workbenchRunning()) return true;
    showWarning(&dialog, kRunningInstall);
    return false;
  });
  if (!chooseRegistration(dialog)) return kExitAbandoned;

  ProgressWindow progress(false);
  progress.show();
  QApplication::processEvents();
  const bool found = performInstall(
      paths, currentDesktopPlaces(), dialog.choices(), dialog.mode(),
      [&progress](int id, const QString& argument) { showWarning(&progress, id, argument); });
  progress.hide();
  if (!found) return kExitNoWorkbench;
  if (!launchWorkbench(paths)) {
    showWarning(nullptr, kLaunchFailed);
    return kExitNoWorkbench;
  }
  return kExitDone;
}

int uninstallInteractive(const InstallPaths& paths) {
  if (workbenchRunning()) {
    showWarning(nullptr, kRunningUninstall);
    return kExitCancelled;
  }
  if (!askOkCancel(nullptr, kAskUninstall)) return kExitCancelled;
  ProgressWindow progress(true);
  progress.show();
  QApplication::processEvents();
  const UninstallNotice notice =
      performUninstall(paths, currentDesktopPlaces(), [] { QApplication::processEvents(); });
  progress.hide();
  if (notice.id != 0) showInformation(nullptr, notice.id, notice.argument);
  return kExitDone;
}

}  // namespace

int runInteractive(const SetupOptions& options, const InstallPaths& paths) {
  return options.uninstall ? uninstallInteractive(paths) : installInteractive(options, paths);
}

}  // namespace setup
