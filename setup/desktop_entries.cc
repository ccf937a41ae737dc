#include "desktop_entries.h"

#include <QStringList>

#include <cstring>

#include "owned_file.h"

namespace setup {
namespace {

const char kName[] = "Veldra/C";
const char kComment[] = "C言語ﾄﾞｷｭﾒﾝﾄ生成ﾂｰﾙ Veldra/C";
const char kUninstallName[] = "Veldra/Cのｱﾝｲﾝｽﾄｰﾙ";
const char kGroupComment[] = "VeldraC ｸﾞﾙｰﾌﾟ";

// Source types offered the workbench through "open with".
const char kSourceMimeTypes[] =
    "text/x-csrc;text/x-chdr;text/x-c++src;text/x-c++hdr;text/x-basic;text/x-pascal;";

// Characters that force quoting inside an Exec value.
const char kReserved[] = " \t\n\"'\\><~|&;$*?#()`";

// Escapes a string value of a desktop entry (backslash and line breaks).
QString escapeValue(const QString& text) {
  QString out;
  for (const QChar c : text) {
    if (c == QLatin1Char('\\')) {
      out += QStringLiteral("\\\\");
    } else if (c == QLatin1Char('\n')) {
      out += QStringLiteral("\\n");
    } else {
      out += c;
    }
  }
  return out;
}

QString ownerLine() { return QString::fromLatin1(kOwnerMark) + QStringLiteral("=true\n"); }

QString commonKeys(const InstallPaths& paths, const QString& arguments) {
  QStringList lines{
      QStringLiteral("Type=Application"),
      QStringLiteral("Name=") + QString::fromUtf8(kName),
      QStringLiteral("Comment=") + QString::fromUtf8(kComment),
      QStringLiteral("Exec=") + execArgument(paths.workbench()) + arguments,
      QStringLiteral("Icon=") + escapeValue(paths.icon()),
      QStringLiteral("Terminal=false"),
      QStringLiteral("Categories=Development;Documentation;"),
  };
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray entryText(const QString& body) {
  return (QStringLiteral("[Desktop Entry]\n") + body + ownerLine()).toUtf8();
}

}  // namespace

QString execArgument(const QString& path) {
  QString quoted;
  bool needsQuotes = false;
  for (const QChar c : path) {
    if (c.unicode() < 128 && std::strchr(kReserved, c.toLatin1()) != nullptr) needsQuotes = true;
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
        c == QLatin1Char('\\')) {
      quoted += QLatin1Char('\\');
    }
    quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
  }
  if (needsQuotes) quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
  // The whole Exec value is itself a string value: its backslashes are escaped again.
  return escapeValue(quoted);
}

QByteArray menuEntry(const InstallPaths& paths, bool associate, bool inMenu) {
  QString body = commonKeys(paths, QStringLiteral(" %f"));
  if (associate) body += QStringLiteral("MimeType=%1;\n").arg(QLatin1String(kGroupMimeType));
  if (!inMenu) body += QStringLiteral("NoDisplay=true\n");
  body += QStringLiteral("Actions=Uninstall;\n");
  body += ownerLine();
  body += QStringLiteral("\n[Desktop Action Uninstall]\nName=") +
          QString::fromUtf8(kUninstallName) + QStringLiteral("\nExec=") +
          execArgument(paths.setupProgram()) + QStringLiteral(" /r\n");
  return (QStringLiteral("[Desktop Entry]\n") + body).toUtf8();
}

QByteArray desktopLauncher(const InstallPaths& paths) {
  return entryText(commonKeys(paths, QString()));
}

QByteArray openWithEntry(const InstallPaths& paths) {
  return entryText(commonKeys(paths, QStringLiteral(" %f")) + QStringLiteral("MimeType=") +
                   QLatin1String(kSourceMimeTypes) + QStringLiteral("\nNoDisplay=true\n"));
}

QByteArray groupMimePackage() {
  return QByteArray(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<!-- ") +
         kOwnerMark +
         " -->\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" +
         kGroupMimeType +
         "\">\n"
         "    <comment>" +
         kGroupComment +
         "</comment>\n"
         "    <generic-icon name=\"text-x-generic\"/>\n"
         "    <glob pattern=\"*.vgp\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

}  // namespace setup
