#pragma once

#include <QString>

// The installer's message texts, looked up by the ids of its string table.
namespace setup {

enum MessageId {
  kAskAbandon = 901,
  kWorkbenchMissing = 902,
  kDesktopFailed = 903,
  kMenuFailed = 904,
  kLaunchFailed = 905,
  kAssociationFailed = 906,
  kRunningUninstall = 907,
  kAskUninstall = 908,
  kRunningInstall = 909,
  kSendToFailed = 910,
  // Linux only: an uninstall that could not remove the program files.
  kPackageOwned = 911,
  kNotWritable = 912,
};

// The text of a message, or "message loading failed" for an unknown id.
QString messageText(int id);

// The text with its one "%s" argument put in place.
QString messageText(int id, const QString& argument);

}  // namespace setup
