#include "app/single_instance.h"

#include <unistd.h>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/app_limits.h"

namespace veldra {

QString instanceChannelName() { return QStringLiteral("VeldraC-%1").arg(getuid()); }

SingleInstance::SingleInstance(const QString& channel, QObject* parent)
    : QObject(parent), channel_(channel) {}

bool SingleInstance::handOver(const QString& file, const QString& directory) const {
  QLocalSocket socket;
  socket.connectToServer(channel_);
  if (!socket.waitForConnected(kHandOverTimeoutMs)) return false;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << file << directory;
  socket.write(message);
  // The first instance closes the connection once it has read the message.
  socket.waitForBytesWritten(kHandOverTimeoutMs);
  socket.waitForDisconnected(kHandOverTimeoutMs);
  return true;
}

bool SingleInstance::listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(channel_)) {
    // Nobody answered handOver(), so a socket file left by a dead instance is in
    // the way.
    QLocalServer::removeServer(channel_);
    if (!server_->listen(channel_)) return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::readConnection);
  return true;
}

void SingleInstance::readConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      QDataStream in(socket);
      in.startTransaction();
      QString file;
      QString directory;
      in >> file >> directory;
      if (!in.commitTransaction()) return;  // wait for the rest of the message
      socket->disconnectFromServer();
      emit handedOver(file, directory);
    });
  }
}

QString handedOverPath(const QString& name, const QString& directory) {
  if (name.isEmpty() || name == QLatin1String(" ")) return {};
  // Relative names (bare or with a directory part) are relative to the directory
  // the later instance was started in; an absolute name stays as it is.
  return QDir::cleanPath(QDir(directory).filePath(name));
}

}  // namespace veldra
