// Renders the setup dialogs into PNG files, for looking at them without
// clicking through a real setup: vdsetup_screens <directory>.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "profile_defaults.h"
#include "registrar.h"
#include "setup_dialogs.h"

namespace {

bool save(QWidget& widget, const QString& file) {
  widget.show();
  widget.adjustSize();
  // Let the window system map and paint the window before grabbing it.
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  const bool ok = widget.grab().save(file);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", file.toLocal8Bit().constData());
  widget.hide();
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vdsetup_screens <directory>\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  setup::IntroDialog intro;
  setup::SetupDialog main(setup::Choices{}, setup::kNewControlsMode, nullptr);
  setup::EnvironmentDialog environment(setup::kNewControlsMode);
  bool ok = save(intro, dir.filePath(QStringLiteral("intro.png")));
  ok = save(main, dir.filePath(QStringLiteral("setup.png"))) && ok;
  ok = save(environment, dir.filePath(QStringLiteral("environment.png"))) && ok;
  return ok ? 0 : 1;
}
