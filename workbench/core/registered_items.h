// Registered item lists of the profile: user tools ("RegistTool"), user help files
// ("RegistHelp"), file types ("RegistExt") and the histories ("ExecHist",
// "FSearchHist"). Each holds at most ten items stored as "item1", "item2", ...
#pragma once

#include <QList>
#include <QSettings>
#include <QString>

namespace veldra {

struct RegisteredItem {
  QString title;
  QString value;    // a file path or a pattern list
  QString options;  // tools only
  bool operator==(const RegisteredItem&) const = default;
};

// "title#$1_#value", and "#$2_#options" when `withOptions`.
QString formatRegisteredItem(const RegisteredItem& item, bool withOptions);
// Splits at the first "#$1_#" and the first "#$2_#"; a trailing line feed of the
// last part is dropped.
RegisteredItem parseRegisteredItem(const QString& text);

class RegisteredList {
 public:
  RegisteredList(QString section, bool withOptions);

  // Reads "item1", "item2", ... until the first missing entry (at most ten).
  void load(QSettings& settings);
  // Writes the items and removes the entries after the last one.
  void save(QSettings& settings) const;

  // Adds an item; returns "" or the message to show (full, duplicate title,
  // empty title, empty file).
  QString add(const RegisteredItem& item);
  // Replaces item `row`; the same checks except the count.
  QString replace(int row, const RegisteredItem& item);
  void remove(int row);
  void move(int from, int to);

  const QList<RegisteredItem>& items() const { return items_; }
  const QString& section() const { return section_; }

  // The file types of the add-files dialog, written when "item1" is missing.
  static QList<RegisteredItem> defaultFileTypes();
  // Loads "RegistExt", writing the defaults first when it has no "item1".
  static RegisteredList loadFileTypes(QSettings& settings);

 private:
  QString check(const RegisteredItem& item, int ignoreRow) const;

  QString section_;
  bool withOptions_;
  QList<RegisteredItem> items_;
};

}  // namespace veldra
