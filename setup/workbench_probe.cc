#include "workbench_probe.h"

#include <unistd.h>

#include <QLocalSocket>

namespace setup {
namespace {
constexpr int kConnectTimeoutMs = 1000;
}

QString workbenchChannelName() { return QStringLiteral("VeldraC-%1").arg(::getuid()); }

bool workbenchRunning() {
  QLocalSocket socket;
  socket.connectToServer(workbenchChannelName());
  const bool connected = socket.waitForConnected(kConnectTimeoutMs);
  if (connected) socket.disconnectFromServer();
  return connected;
}

}  // namespace setup
