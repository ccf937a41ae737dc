#pragma once

#include <QString>

namespace setup {

// The local channel on which a running workbench listens for the files that
// a second instance hands over.
QString workbenchChannelName();

// Whether a workbench of this user is running: something answers on its channel.
bool workbenchRunning();

}  // namespace setup
