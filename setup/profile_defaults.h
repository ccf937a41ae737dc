#pragma once

#include <QSettings>
#include <QString>

namespace setup {

// Which generation of common controls the workbench assumes: 1003 the old one
// (no flat or customisable toolbars), 1004 the newer one.
inline constexpr int kOldControlsMode = 1003;
inline constexpr int kNewControlsMode = 1004;

// The workbench's profile, QSettings("Pellwick", "VeldraC").
QString profileOrganization();
QString profileApplication();

// The mode stored in the profile; a missing or unknown value gives 1004.
// Linux has no common-controls library whose version could suggest 1003.
int commonControlsMode(const QSettings& profile);
void writeCommonControlsMode(QSettings& profile, int mode);

// Offers the desktop's text editor, file manager and calculator as user tools
// and the desktop's help as a user help file, each only when it exists and
// only when the user has no tools (help files) registered yet.
void writeDefaultTools(QSettings& profile);
void writeDefaultHelp(QSettings& profile);

}  // namespace setup
