#include "core/help.h"

#include <fstream>
#include <optional>
#include <string>

#include "core/engine.h"
#include "core/file_search.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

bool isTopicLine(std::string_view piece, std::string_view topic) {
  std::size_t close = piece.find(']');
  return close != std::string_view::npos && equalsNoCase(piece.substr(1, close - 1), topic);
}

// Prints the lines after the first header "[topic]" up to the next header.
bool printTopic(Engine& e, LineReader& reader, std::string_view topic) {
  std::string piece;
  bool atLineStart = true;
  bool inTopic = false;
  while (reader.readPiece(piece, kHelpLineMax)) {
    bool header = atLineStart && piece[0] == '[';
    atLineStart = piece.back() == '\n';
    if (inTopic && header) break;
    if (inTopic) {
      printIfEcho(e, piece);
    } else if (header && isTopicLine(piece, topic)) {
      inTopic = true;
    }
  }
  return inTopic;
}

}  // namespace

// help [topic]
int cmdHelp(Engine& e, std::string_view rest) {
  std::string topic(trim(rest).substr(0, kHelpTopicMax));
  while (!topic.empty() && isBlank(topic.back())) topic.pop_back();
  auto path = searchFile(e, e.settings.helpPath);
  std::ifstream in;
  if (path) in.open(*path, std::ios::binary);
  if (!path || !in) {
    raiseMessage(e, "FIES002", e.settings.helpPath);
    return 0;
  }
  LineReader reader(in);
  if (topic.empty()) {
    std::string piece;
    while (reader.readPiece(piece, kHelpLineMax)) printIfEcho(e, piece);
    return 1;
  }
  if (!printTopic(e, reader, topic)) {
    raiseMessage(e, "FIES005", topic);
    return 0;
  }
  return 1;
}

}  // namespace mora
