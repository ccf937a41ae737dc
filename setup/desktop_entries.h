#pragma once

#include <QByteArray>
#include <QString>

#include "install_paths.h"

namespace setup {

inline constexpr char kGroupMimeType[] = "application/x-veldra-group";

// File names of the entries that setup writes.
inline constexpr char kMenuEntryName[] = "veldrac.desktop";                // applications
inline constexpr char kOpenWithEntryName[] = "veldrac-open-with.desktop";  // applications
inline constexpr char kLauncherName[] = "VeldraC.desktop";                 // desktop folder
inline constexpr char kMimePackageName[] = "veldra-group.xml";             // mime/packages

// A program path as one argument of a desktop entry's Exec key.
QString execArgument(const QString& path);

// The application entry: it opens groups when `associate`, is hidden from the
// menu unless `inMenu`, and carries the uninstall command as an action.
QByteArray menuEntry(const InstallPaths& paths, bool associate, bool inMenu);

// The launcher placed in the desktop folder.
QByteArray desktopLauncher(const InstallPaths& paths);

// A hidden entry that offers the workbench in the file manager's "open with"
// list for source files: Linux's nearest thing to a "send to" menu.
QByteArray openWithEntry(const InstallPaths& paths);

// The shared-mime-info package that names "*.vgp" files.
QByteArray groupMimePackage();

}  // namespace setup
