#include "core/help.h"

#include <istream>
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

// The topic of a header line "[topic]...", or none.
std::optional<std::string_view> headerTopic(std::string_view piece) {
  std::size_t close = piece.find(']');
  if (piece.empty() || piece[0] != '[' || close == std::string_view::npos) return std::nullopt;
  return piece.substr(1, close - 1);
}

// Prints the text before the first header, then every topic name, separated
// by commas and wrapped so that a line stays within kHelpListWidth.
void printTopicList(Engine& e, LineReader& reader) {
  std::string piece;
  bool atLineStart = true;
  bool inPreamble = true;
  std::string line;
  auto flush = [&] {
    if (!line.empty()) printIfEcho(e, line + "\n");
    line.clear();
  };
  while (reader.readPiece(piece, kHelpLineMax)) {
    bool lineStart = atLineStart;
    atLineStart = piece.back() == '\n';
    auto topic = lineStart ? headerTopic(piece) : std::nullopt;
    if (!topic) {
      if (inPreamble) printIfEcho(e, piece);
      continue;
    }
    inPreamble = false;
    if (!line.empty() && line.size() + topic->size() + 2 > kHelpListWidth) {
      line += ',';
      flush();
    }
    line += line.empty() ? "  " : ", ";
    line += *topic;
  }
  flush();
}

}  // namespace

// help [topic]
bool cmdHelp(Engine& e, std::string_view rest) {
  std::string topic(trim(rest).substr(0, kHelpTopicMax));
  while (!topic.empty() && isBlank(topic.back())) topic.pop_back();
  auto path = searchFile(e, e.settings.helpPath);
  auto in = path ? e.platform.openStream(*path, std::ios::in | std::ios::binary) : nullptr;
  if (!in || !*in) {
    raiseMessage(e, "FIES002", e.settings.helpPath);
    return false;
  }
  LineReader reader(*in);
  // Without a topic the list of topics helps more than the whole file,
  // which runs to hundreds of lines.
  if (topic.empty()) {
    printTopicList(e, reader);
    return true;
  }
  if (!printTopic(e, reader, topic)) {
    raiseMessage(e, "FIES005", topic);
    return false;
  }
  return true;
}

}  // namespace mora
