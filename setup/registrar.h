#pragma once

#include "created_paths.h"
#include "desktop_places.h"
#include "install_paths.h"

namespace setup {

// The four choices of the setup dialog, with their defaults.
struct Choices {
  bool associate = true;
  bool desktopShortcut = true;
  bool startMenu = true;
  bool sendTo = false;
};

// Registers the installed workbench with the user's desktop, one step per
// choice, and takes each registration back again. Every step returns false
// when it failed; the others still run.
class Registrar {
 public:
  Registrar(const InstallPaths& paths, const DesktopPlaces& places, CreatedPaths& created);

  // Groups ("*.vgp") open in the workbench: a MIME package and the MimeType
  // of the application entry.
  bool setAssociation(const Choices& choices);
  // A launcher in the desktop folder.
  bool setDesktopShortcut(bool on);
  // The application entry in the menu; it also carries the uninstall command.
  bool setStartMenu(const Choices& choices);
  // The workbench in the "open with" list of source files.
  bool setSendTo(bool on);
  // Takes back everything above.
  void removeAll();

  QString menuEntryPath() const;
  QString openWithEntryPath() const;
  QString launcherPath() const;
  QString mimePackagePath() const;

 private:
  bool writeMenuEntry(const Choices& choices);
  bool refreshMimeDatabase();
  void refreshDesktopDatabase();
  void tidyApplications();

  InstallPaths paths_;
  DesktopPlaces places_;
  CreatedPaths& created_;
};

}  // namespace setup
