#include "core/messages.h"

#include <istream>

#include "core/engine.h"
#include "core/exit.h"
#include "core/file_search.h"
#include "core/limits.h"
#include "core/line_reader.h"
#include "core/output.h"
#include "core/platform/paths.h"
#include "core/text.h"

namespace mora {

std::string formatMessageText(std::string_view text, std::string_view argument) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && text[i] != '\n';) {
    if (text.compare(i, 3, "@@@") == 0) {
      while (i < text.size() && text[i] == '@') ++i;
      out.append(argument);
    } else {
      out += text[i++];
    }
  }
  return out;
}

LookupResult lookupMessage(Engine& e, const std::string& cataloguePath, std::string_view code,
                           std::string_view argument, std::string& text) {
  text.clear();
  auto in = e.platform.openStream(cataloguePath, std::ios::in | std::ios::binary);
  if (!in && !hasDirectoryPart(cataloguePath)) {
    if (auto found = searchFile(e, cataloguePath))
      in = e.platform.openStream(*found, std::ios::in | std::ios::binary);
  }
  if (!in || !*in) return LookupResult::NoCatalogue;
  LineReader reader(*in);
  std::string line;
  bool atLineStart = true;
  while (reader.readPiece(line, kCatalogueLineMax)) {
    // Only the first piece of an over-long line can hold a key.
    bool isStart = atLineStart;
    atLineStart = !line.empty() && line.back() == '\n';
    if (!isStart) continue;
    auto comma = line.find(',');
    if (comma == std::string::npos || std::string_view(line).substr(0, comma) != code) continue;
    chopLineFeed(line);
    text = formatMessageText(std::string_view(line).substr(comma + 1), argument);
    return LookupResult::Found;
  }
  return LookupResult::NotFound;
}

void raiseMessage(Engine& e, std::string_view code, std::string_view argument) {
  ++e.messages.errorCount;
  if (e.settings.error) {
    bool warningCode = code.size() > 3 && code[3] == 'I';
    if (warningCode && !e.settings.warning) return;
    std::string text;
    if (lookupMessage(e, e.settings.cataloguePath, code, argument, text) ==
        LookupResult::NoCatalogue)
      text = "Message not Found.";
    std::string line;
    bool plain = e.reader.mainInputIsStdin || !e.reader.lineRead ||
                 e.settings.prefixMode == PrefixMode::WithoutScriptName;
    if (plain) {
      line = "  " + std::string(code) + " : " + text + "\n";
    } else {
      line = format("%s(%d) : ", e.settings.scriptFile.c_str(), e.reader.lineNumber) +
             std::string(code) + " : " + text + "\n";
    }
    std::ostream& stream = e.settings.messagesToStdout ? *e.out.stdOut : *e.out.stdErr;
    printOutput(e, stream, line);
  }
  if (e.messages.wheneverErrorArmed) {
    e.reader.pendingLine = e.messages.wheneverError;
    e.messages.wheneverErrorArmed = false;
  }
  if (e.messages.errorCount >= kErrorLimit) {
    discardStagedChanges(e);
    deleteWorkFiles(e);
    exitOperation(e, 1);
  }
}

}  // namespace mora
