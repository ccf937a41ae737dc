#include "setup_options.h"

#include <array>

namespace setup {
namespace {

struct ChoiceOption {
  const char* name;
  bool Choices::*choice;
  bool value;
};

constexpr std::array kChoiceOptions{
    ChoiceOption{"--no-association", &Choices::associate, false},
    ChoiceOption{"--no-desktop", &Choices::desktopShortcut, false},
    ChoiceOption{"--no-menu", &Choices::startMenu, false},
    ChoiceOption{"--send-to", &Choices::sendTo, true},
};

bool selectsUninstall(const QStringList& arguments) {
  const QString line = arguments.join(QLatin1Char(' '));
  const qsizetype slash = line.lastIndexOf(QLatin1Char('/'));
  return slash >= 0 && slash + 1 < line.size() &&
         (line[slash + 1] == QLatin1Char('r') || line[slash + 1] == QLatin1Char('R'));
}

bool applyChoice(const QString& argument, Choices& choices) {
  for (const ChoiceOption& option : kChoiceOptions) {
    if (argument == QLatin1String(option.name)) {
      choices.*option.choice = option.value;
      return true;
    }
  }
  return false;
}

}  // namespace

SetupOptions parseSetupOptions(const QStringList& arguments) {
  SetupOptions options;
  options.uninstall = selectsUninstall(arguments);
  for (const QString& argument : arguments) {
    if (argument == QLatin1String("--unattended")) {
      options.unattended = true;
    } else if (argument.startsWith(QLatin1String("--")) &&
               !applyChoice(argument, options.choices)) {
      if (options.error.isEmpty()) options.error = argument;
    }
  }
  return options;
}

QString setupUsage() {
  return QStringLiteral(
      "Usage: VDSetup [--unattended] [--no-association] [--no-desktop] [--no-menu] [--send-to]\n"
      "       VDSetup /r [--unattended]\n");
}

}  // namespace setup
