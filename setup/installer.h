#pragma once

#include <QString>

#include <functional>

#include "desktop_places.h"
#include "install_paths.h"
#include "registrar.h"

namespace setup {

// Shows (or prints) one message by id, with its "%s" argument.
using Report = std::function<void(int id, const QString& argument)>;

// The registration of setup, step by step: association, desktop launcher,
// menu entry with the uninstall command, "open with" entry, the common-controls
// mode and the default user tools and help files. A failed step reports its
// message and the next one runs. Returns false, after reporting 902, when the
// workbench is not in the installation directory; nothing is registered then.
bool performInstall(const InstallPaths& paths, const DesktopPlaces& places, const Choices& choices,
                    int mode, const Report& report);

}  // namespace setup
