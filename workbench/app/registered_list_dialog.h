// Editing a registered item list: user tools ("ﾂｰﾙの登録"), user help files and
// the file types of the add-files dialog. The list dialog offers new, change,
// delete and moves; the item dialog asks for title, file and (tools) options.
#pragma once

#include <QDialog>
#include <functional>

#include "core/registered_items.h"

class QLineEdit;
class QListWidget;

namespace veldra {

struct RegisteredListKind {
  const char* listTitle;
  const char* itemTitle;
  const char* titleLabel;
  const char* valueLabel;
  const char* optionsLabel;  // nullptr: the items have no options
  const char* browseTitle;   // nullptr: no file dialog (patterns)
  const char* browseFilter;
  const char* hint;  // shown under the fields, or nullptr
};

extern const RegisteredListKind kToolListKind;
extern const RegisteredListKind kHelpListKind;
extern const RegisteredListKind kFileTypeListKind;

class RegisteredItemDialog : public QDialog {
  Q_OBJECT
 public:
  RegisteredItemDialog(const RegisteredListKind& kind, const RegisteredItem& item,
                       QWidget* parent = nullptr);
  RegisteredItem item() const;

 private:
  QLineEdit* title_;
  QLineEdit* value_;
  QLineEdit* options_ = nullptr;
};

class RegisteredListDialog : public QDialog {
  Q_OBJECT
 public:
  RegisteredListDialog(const RegisteredListKind& kind, const RegisteredList& list,
                       QWidget* parent = nullptr);

  const RegisteredList& list() const { return list_; }
  QListWidget* view() const { return view_; }

  // Replaces the item dialog in tests: returns false for Cancel.
  using ItemEditor = std::function<bool(RegisteredItem* item)>;
  void setItemEditor(ItemEditor editor) { editor_ = std::move(editor); }
  // Replaces the message box in tests.
  void setWarner(std::function<void(const QString&)> warner) { warner_ = std::move(warner); }

  // The buttons' actions.
  void addNew();
  void changeSelected();
  void removeSelected();
  void moveSelected(int step);

 private:
  void refresh(int row);
  void warn(const QString& text);

  const RegisteredListKind& kind_;
  RegisteredList list_;
  QListWidget* view_;
  ItemEditor editor_;
  std::function<void(const QString&)> warner_;
};

}  // namespace veldra
