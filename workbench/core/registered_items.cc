#include "core/registered_items.h"

#include "core/constants.h"
#include "core/messages.h"
#include "core/profile_values.h"

namespace veldra {

namespace {

QString entryName(int number) { return QStringLiteral("item%1").arg(number); }

}  // namespace

QString formatRegisteredItem(const RegisteredItem& item, bool withOptions) {
  QString text = item.title + QLatin1String(kItemSeparator) + item.value;
  if (withOptions) text += QLatin1String(kOptionSeparator) + item.options;
  return text;
}

RegisteredItem parseRegisteredItem(const QString& text) {
  RegisteredItem item;
  QString rest = text;
  if (rest.endsWith(u'\n')) rest.chop(1);
  const QString sep1 = QLatin1String(kItemSeparator);
  const QString sep2 = QLatin1String(kOptionSeparator);
  qsizetype at = rest.indexOf(sep1);
  if (at < 0) {
    item.title = rest;
    return item;
  }
  item.title = rest.left(at);
  rest = rest.mid(at + sep1.size());
  at = rest.indexOf(sep2);
  item.value = at < 0 ? rest : rest.left(at);
  if (at >= 0) item.options = rest.mid(at + sep2.size());
  return item;
}

RegisteredList::RegisteredList(QString section, bool withOptions)
    : section_(std::move(section)), withOptions_(withOptions) {}

void RegisteredList::load(QSettings& settings) {
  items_.clear();
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    if (!settings.contains(section_ + u'/' + entryName(n))) break;
    items_.append(parseRegisteredItem(readText(settings, section_, entryName(n), {})));
  }
}

void RegisteredList::save(QSettings& settings) const {
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    const QString key = section_ + u'/' + entryName(n);
    if (n <= items_.size()) {
      settings.setValue(key, formatRegisteredItem(items_[n - 1], withOptions_));
    } else {
      settings.remove(key);
    }
  }
}

QString RegisteredList::check(const RegisteredItem& item, int ignoreRow) const {
  if (item.title.isEmpty()) return msg::kItemNoTitle.str();
  if (item.value.isEmpty()) return msg::kItemNoFile.str();
  for (qsizetype i = 0; i < items_.size(); ++i) {
    if (i != ignoreRow && items_[i].title == item.title) {
      return msg::kItemDuplicate.str().arg(item.title);
    }
  }
  return {};
}

QString RegisteredList::add(const RegisteredItem& item) {
  if (items_.size() >= kRegisteredItemsMax) {
    return msg::kItemsMax.str().arg(kRegisteredItemsMax);
  }
  QString failure = check(item, -1);
  if (failure.isEmpty()) items_.append(item);
  return failure;
}

QString RegisteredList::replace(int row, const RegisteredItem& item) {
  if (row < 0 || row >= items_.size()) return {};
  QString failure = check(item, row);
  if (failure.isEmpty()) items_[row] = item;
  return failure;
}

void RegisteredList::remove(int row) {
  if (row >= 0 && row < items_.size()) items_.removeAt(row);
}

void RegisteredList::move(int from, int to) {
  if (from < 0 || to < 0 || from >= items_.size() || to >= items_.size()) return;
  items_.move(from, to);
}

QList<RegisteredItem> RegisteredList::defaultFileTypes() {
  return {
      {QStringLiteral("C/C++ Source Files(*.c;*.cpp;*.pc)"), QStringLiteral("*.c;*.cpp;*.pc"), {}},
      {QStringLiteral("C/C++ Header Files(*.h;*.hxx;*.hpp)"), QStringLiteral("*.h;*.hxx;*hpp"), {}},
      {QStringLiteral("All Files(*.*)"), QStringLiteral("*.*"), {}},
  };
}

RegisteredList RegisteredList::loadFileTypes(QSettings& settings) {
  RegisteredList list(QStringLiteral("RegistExt"), false);
  if (!settings.contains(QStringLiteral("RegistExt/item1"))) {
    list.items_ = defaultFileTypes();
    list.save(settings);
  }
  list.load(settings);
  return list;
}

}  // namespace veldra
