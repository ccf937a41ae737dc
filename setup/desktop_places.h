#pragma once

#include <QString>

namespace setup {

// The user's freedesktop.org places that registration writes into.
struct DesktopPlaces {
  QString home;
  QString dataHome;    // $XDG_DATA_HOME, default ~/.local/share
  QString desktopDir;  // xdg-user-dir DESKTOP, default ~/Desktop

  QString applications() const { return dataHome + QStringLiteral("/applications"); }
  QString mime() const { return dataHome + QStringLiteral("/mime"); }
  QString mimePackages() const { return mime() + QStringLiteral("/packages"); }
};

// The places of the current user, from the environment.
DesktopPlaces currentDesktopPlaces();

}  // namespace setup
