#include "app/dialog_buttons.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace veldra {

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

void layOutSheet(QDialog* sheet, QTabWidget* pages) {
  pages->setUsesScrollButtons(false);  // every page title stays readable
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(pages);
  layout->addWidget(okCancelButtons(sheet));
}

QCheckBox* checkBox(const char* label, bool on) {
  auto* box = new QCheckBox(QString::fromUtf8(label));
  box->setChecked(on);
  return box;
}

}  // namespace veldra
