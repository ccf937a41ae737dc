// The print stage of action diagrams: reads the records of an intermediate
// file and draws them with the configured pieces. It knows nothing of the
// source language; every structure stage feeds it the same records.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>

#include "reports/action_config.h"

namespace mora {

// Where the printer writes. `text` goes through the engine's output path;
// in HTML mode `tag` writes "<HR>", "<PRE>" and "</PRE>" and `anchor` the
// anchor and index link of a function straight to their streams.
struct ActionOutput {
  std::function<void(std::string_view)> text;
  bool html = false;
  std::function<void(std::string_view tag, bool close)> tag;
  std::function<void(std::string_view name)> anchor;
  // Called once per record, e.g. to notice an interrupt.
  std::function<void()> poll;
};

// Prints every record of `records`; always succeeds.
void printActionDiagram(std::istream& records, const ActionConfig& config, const ActionOutput& out);

// The function name in the text of a function's first line: cut at the
// first "(", ")", ";" or line feed; at a blank followed by a name the words
// before it are dropped ("static int foo (int a)" gives "foo").
std::string actionAnchorName(std::string_view text);

}  // namespace mora
