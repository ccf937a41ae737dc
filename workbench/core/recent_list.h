// The recent groups: profile section "GroupList", entries "file1" ... "file10".
#pragma once

#include "core/history_list.h"

namespace veldra {

class RecentList : public HistoryList {
 public:
  RecentList() : HistoryList(QStringLiteral("GroupList"), QStringLiteral("file"), kRecentGroups) {}
  const QStringList& paths() const { return texts(); }
};

}  // namespace veldra
