#include "reports/include_tree.h"

#include <deque>
#include <new>
#include <unordered_map>
#include <unordered_set>

#include "analysis/function_database.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/source_files.h"
#include "core/text.h"
#include "reports/tree_output.h"

namespace mora {

namespace {

constexpr std::string_view kInclude = "include";

bool isWordChar(char c) { return isAsciiAlnum(c) || c == '_'; }

// Where the name ends: the closing mark of its own form first, then the
// other form's mark, then a blank, then the end of the line.
std::size_t nameEnd(std::string_view rest, bool quoted) {
  std::string_view marks = quoted ? "\">" : ">\"";
  for (char mark : marks)
    if (std::size_t at = rest.find(mark); at != std::string_view::npos) return at;
  std::size_t blank = rest.find_first_of(" \t");
  return blank == std::string_view::npos ? rest.size() : blank;
}

// Several directives may name a file; one entry per name, quoted when any is.
class IncludeCollector {
 public:
  void add(const IncludeDirective& d) {
    auto [it, added] = index_.emplace(std::string(d.name), names_.size());
    if (added) names_.push_back({it->first, d.quoted});
    if (d.quoted) names_[it->second].quoted = true;
  }
  std::vector<IncludedName> take() { return std::move(names_); }

 private:
  std::vector<IncludedName> names_;
  std::unordered_map<std::string, std::size_t> index_;
};

// An ordered list of names with a hash set beside it, so that "each once"
// costs one lookup and the first appearance keeps its place.
class UniqueNames {
 public:
  bool add(const std::string& name) {
    if (!seen_.insert(name).second) return false;
    names_.push_back(name);
    return true;
  }
  bool contains(const std::string& name) const { return seen_.count(name) != 0; }
  const std::vector<std::string>& names() const { return names_; }
  std::vector<std::string> take() { return std::move(names_); }

 private:
  std::vector<std::string> names_;
  std::unordered_set<std::string> seen_;
};

std::vector<std::string> allNames(const std::vector<IncludedName>& included) {
  std::vector<std::string> names;
  names.reserve(included.size());
  for (const IncludedName& n : included) names.push_back(n.name);
  return names;
}

}  // namespace

std::optional<IncludeDirective> parseIncludeDirective(std::string_view line) {
  if (line.empty() || line[0] != '#') return std::nullopt;
  std::string_view rest = skipBlanks(line.substr(1));
  // "#include_next" and the like are other directives.
  if (!rest.starts_with(kInclude) ||
      (rest.size() > kInclude.size() && isWordChar(rest[kInclude.size()])))
    return std::nullopt;
  rest = skipBlanks(rest.substr(kInclude.size()));
  rest = rest.substr(0, rest.find('\n'));
  if (rest.empty()) return std::nullopt;
  bool quoted = rest[0] == '"';
  if (quoted || rest[0] == '<') rest = skipBlanks(rest.substr(1));
  std::string_view name = rest.substr(0, nameEnd(rest, quoted));
  if (!name.empty() && name.back() == '\r') name.remove_suffix(1);
  if (name.empty()) return std::nullopt;
  return IncludeDirective{name, quoted};
}

std::optional<std::vector<IncludedName>> readIncludes(Engine& e, const std::string& file) {
  auto in = openForReading(e, file);
  if (!in) return std::nullopt;
  LineReader reader(*in);
  IncludeCollector collector;
  std::string piece;
  while (reader.readPiece(piece, kIncludeLineMax))
    if (auto d = parseIncludeDirective(piece)) collector.add(*d);
  return collector.take();
}

NodeTable buildIncludeTable(Engine& e, const std::vector<std::string>& files) {
  UniqueNames nodes;
  // Include lists read while finding the nodes, so no file is read twice.
  std::unordered_map<std::string, std::vector<std::string>> read;
  for (const std::string& file : files) {
    if (read.count(file)) continue;
    auto included = readIncludes(e, file);
    if (!included) continue;  // a file that cannot be opened is left out
    nodes.add(file);
    for (const IncludedName& n : *included)
      if (n.quoted) nodes.add(n.name);
    read.emplace(file, allNames(*included));
  }
  NodeTable table;
  table.nodes = nodes.take();
  table.children.resize(table.nodes.size());
  for (std::size_t k = 0; k < table.nodes.size(); ++k) {
    auto cached = read.find(table.nodes[k]);
    if (cached != read.end()) {
      table.children[k] = std::move(cached->second);
    } else if (auto included = readIncludes(e, table.nodes[k])) {
      table.children[k] = allNames(*included);
    }
  }
  // Without fullpath a node shows its last path component; the include lists
  // keep the names as the directives write them.
  for (std::string& node : table.nodes) node = displayFileName(e, node);
  return table;
}

std::optional<std::vector<std::string>> dependencies(Engine& e, const std::string& file) {
  auto direct = readIncludes(e, file);
  if (!direct) return std::nullopt;
  UniqueNames found;
  std::unordered_set<std::string> visited{file};
  std::deque<std::vector<IncludedName>> pending{std::move(*direct)};
  while (!pending.empty()) {
    for (const IncludedName& n : pending.front()) {
      if (!visited.insert(n.name).second) continue;
      auto included = readIncludes(e, n.name);
      if (!included) continue;  // only files that exist are listed
      found.add(n.name);
      pending.push_back(std::move(*included));
    }
    pending.pop_front();
  }
  return found.take();
}

bool cmdItree(Engine& e, std::string_view rest) {
  auto list = parseFileList(e, rest);
  if (!list) return false;
  std::string_view tail = trim(rest.substr(list->consumed));
  if (!tail.empty()) {
    raiseMessage(e, "FIEU005", tail);
    return false;
  }
  try {
    NodeTable table = buildIncludeTable(e, expandFileNames(e, list->names));
    // Files that only include each other would otherwise not be drawn at all.
    printTreeTable(e, table, true, true);
  } catch (const std::bad_alloc&) {
    raiseMessage(e, "FIES004");
    return false;
  }
  return true;
}

}  // namespace mora
