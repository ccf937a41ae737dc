#pragma once

#include <QString>
#include <QStringList>

#include "registrar.h"

namespace setup {

// VDSetup's command line. A last "/" followed by "r" or "R" uninstalls;
// "--unattended" works without any window; "--no-association", "--no-desktop",
// "--no-menu" and "--send-to" change the dialog's default choices.
struct SetupOptions {
  bool uninstall = false;
  bool unattended = false;
  Choices choices;
  QString error;  // an option that is not known; empty when all are
};

// The options from the arguments after the program name.
SetupOptions parseSetupOptions(const QStringList& arguments);

// The usage lines printed for an unknown option.
QString setupUsage();

}  // namespace setup
