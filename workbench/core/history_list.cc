#include "core/history_list.h"

#include "core/profile_values.h"

namespace veldra {

QString HistoryList::entryKey(int number) const {
  return section_ + u'/' + prefix_ + QString::number(number);
}

void HistoryList::load(QSettings& settings) {
  texts_.clear();
  for (int n = 1; n <= capacity_; ++n) {
    QString text = readText(settings, section_, prefix_ + QString::number(n), {});
    if (!text.isEmpty() && !texts_.contains(text)) texts_.append(text);
  }
}

void HistoryList::save(QSettings& settings) const {
  for (int n = 1; n <= capacity_; ++n) {
    if (n <= texts_.size()) {
      settings.setValue(entryKey(n), texts_[n - 1]);
    } else {
      settings.remove(entryKey(n));
    }
  }
}

void HistoryList::add(const QString& text) {
  if (text.isEmpty()) return;
  texts_.removeAll(text);
  texts_.prepend(text);
  while (texts_.size() > capacity_) texts_.removeLast();
}

}  // namespace veldra
