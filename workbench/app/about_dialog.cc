#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "app/app_limits.h"
#include "app/app_messages.h"

namespace veldra {

AboutDialog::AboutDialog(const QString& engineVersion, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(Veldra)"));
  engineLine_ = engineVersion.isEmpty() ? QString() : msg::kAboutEngine.str().arg(engineVersion);
  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/icons/kind2.png")));
  icon->setFixedSize(kDialogIconSize, kDialogIconSize);
  auto* product = new QLabel(msg::kAboutProduct.str(), this);
  // The version line starts with a tab: shown as an indent.
  auto* version =
      new QLabel(msg::kAboutVersion.str().replace(QLatin1Char('\t'), QLatin1String("    ")), this);
  auto* engine = new QLabel(engineLine_, this);
  engine->setObjectName(QStringLiteral("engineVersion"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(product, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(engine, 2, 1);
  layout->addWidget(buttons, 3, 0, 1, 2);
}

}  // namespace veldra
