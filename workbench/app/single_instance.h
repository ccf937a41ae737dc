// One workbench per user: the first instance listens on a local socket; a later
// one hands its file argument (and its current directory) over and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace veldra {

// The socket name every workbench of this user (and the installer) uses.
QString instanceChannelName();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString& channel = instanceChannelName(),
                          QObject* parent = nullptr);

  // Sends `file` (empty: none) and `directory` to a running instance. True when
  // one received them: this instance should end.
  bool handOver(const QString& file, const QString& directory) const;

  // Starts listening (replacing a socket left behind by an instance that died).
  bool listen();

 signals:
  // A later instance started: with a file (empty for none) and its directory.
  void handedOver(const QString& file, const QString& directory);

 private:
  void readConnection();

  QString channel_;
  QLocalServer* server_ = nullptr;
};

// The path a handed-over name stands for, resolved against `directory`. Empty when
// nothing is pending (an empty name or a single blank).
QString handedOverPath(const QString& name, const QString& directory);

}  // namespace veldra
