#pragma once

#include <QSettings>

#include "created_paths.h"

namespace setup {

// What setup created is kept in the workbench's profile (section "Setup"),
// which uninstall reads before it deletes the profile.
CreatedPaths loadSetupRecord(const QSettings& profile);
void saveSetupRecord(QSettings& profile, const CreatedPaths& created);

}  // namespace setup
