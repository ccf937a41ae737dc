#include "core/history_list.h"

#include "core/constants.h"
#include "core/profile_values.h"

namespace veldra {

namespace {
QString entryName(int number) { return QStringLiteral("item%1").arg(number); }
}  // namespace

void HistoryList::load(QSettings& settings) {
  texts_.clear();
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    if (!settings.contains(section_ + u'/' + entryName(n))) break;
    texts_.append(readText(settings, section_, entryName(n), {}));
  }
}

void HistoryList::save(QSettings& settings) const {
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    const QString key = section_ + u'/' + entryName(n);
    if (n <= texts_.size()) {
      settings.setValue(key, texts_[n - 1]);
    } else {
      settings.remove(key);
    }
  }
}

void HistoryList::add(const QString& text) {
  if (text.isEmpty()) return;
  texts_.removeAll(text);
  texts_.prepend(text);
  while (texts_.size() > kRegisteredItemsMax) texts_.removeLast();
}

}  // namespace veldra
