#pragma once

#include "install_paths.h"
#include "setup_options.h"

namespace setup {

// Exit codes of VDSetup.
enum ExitCode {
  kExitDone = 0,
  kExitCancelled = 1,  // also: the workbench is running
  kExitAbandoned = 2,
  kExitNoWorkbench = 3,  // not found, or could not be started
};

// Setup or uninstall without any window: messages go to standard error, the
// dialog's choices come from the options, and the workbench is not started.
int runUnattended(const SetupOptions& options, const InstallPaths& paths);

// Setup or uninstall with the dialogs; setup ends by starting the workbench.
int runInteractive(const SetupOptions& options, const InstallPaths& paths);

}  // namespace setup
