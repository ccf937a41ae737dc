#pragma once

#include <QString>

#include <functional>

#include "desktop_places.h"
#include "install_paths.h"

namespace setup {

// What uninstall has to tell the user afterwards: 0, or the id of a message
// saying why the program files stayed, with its argument.
struct UninstallNotice {
  int id = 0;
  QString argument;
};

// Removes the registration, the profile and (unless a package manager owns
// them or they are not writable) the installed files: the sample sources only
// while unchanged, the listed program and data files, VDSetup itself, the
// links to the programs in "<prefix>/bin" and the emptied program directory.
// `betweenSteps` runs between the steps, to keep a window responsive.
UninstallNotice performUninstall(const InstallPaths& paths, const DesktopPlaces& places,
                                 const std::function<void()>& betweenSteps);

// The Debian package that owns the file, or empty.
QString owningPackage(const QString& file);

}  // namespace setup
