#include "installer.h"

#include <QFileInfo>
#include <QSettings>

#include "profile_defaults.h"
#include "setup_messages.h"
#include "setup_record.h"

namespace setup {

bool performInstall(const InstallPaths& paths, const DesktopPlaces& places, const Choices& choices,
                    int mode, const Report& report) {
  if (!QFileInfo(paths.workbench()).isFile()) {
    report(kWorkbenchMissing, paths.installDir);
    return false;
  }
  QSettings profile(profileOrganization(), profileApplication());
  CreatedPaths created = loadSetupRecord(profile);
  Registrar registrar(paths, places, created);
  if (!registrar.setAssociation(choices)) report(kAssociationFailed, {});
  if (!registrar.setDesktopShortcut(choices.desktopShortcut)) report(kDesktopFailed, {});
  if (!registrar.setStartMenu(choices)) report(kMenuFailed, {});
  if (!registrar.setSendTo(choices.sendTo)) report(kSendToFailed, {});
  created.removeEmptyDirs();

  // The profile's own folder may be new as well; it goes again at uninstall.
  created.makeDir(QFileInfo(profile.fileName()).absolutePath());
  writeCommonControlsMode(profile, mode);
  writeDefaultTools(profile);
  writeDefaultHelp(profile);
  saveSetupRecord(profile, created);
  profile.sync();
  return true;
}

}  // namespace setup
