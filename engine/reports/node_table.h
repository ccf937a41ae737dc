// The table that the tree reports print: nodes (function entries or called
// names) and, at the same index, each node's children (its callees or its
// callers), with the lookups the printer and the table builders share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/wildcard.h"

namespace mora {

struct NodeTable {
  std::vector<std::string> nodes;
  std::vector<std::vector<std::string>> children;  // children[k] belongs to nodes[k]
};

// The same shape over texts held by another table that outlives it: a
// caller table names the entries of the function table many times over,
// and copies none of them.
struct NodeTableView {
  std::vector<std::string_view> nodes;
  std::vector<std::vector<std::string_view>> children;
};

// The name at the head of an entry: the text up to its first blank, tab,
// line feed or "(". Entries are compared by this head ("by name").
std::string_view nameHead(std::string_view entry);

// Head -> index of the first item with that head, so that a lookup by name
// finds the same item a front-to-back scan would. The items must outlive
// the index. An open-addressing table of item indices: built with one
// allocation, looked up with one hash and, mostly, one comparison.
class NameIndex {
 public:
  NameIndex() = default;
  explicit NameIndex(const std::vector<std::string>& items);
  explicit NameIndex(const std::vector<std::string_view>& items);
  // The first index whose head equals the head of `key`, or -1.
  long find(std::string_view key) const;
  // The same for a key that is a head already.
  long findHead(std::string_view head) const;

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t item = 0;  // index of the item plus one; 0: free
  };
  template <typename Items>
  void build(const Items& items);

  std::vector<std::string_view> heads_;  // the head of each item
  std::vector<Slot> slots_;              // a power of two in size, at most half in use
};

// The `without` patterns of a report, compiled once. Items that begin with
// "#" are comments (list files may carry them) and are skipped.
class PatternSet {
 public:
  PatternSet() = default;
  explicit PatternSet(const std::vector<std::string>& items);
  bool empty() const { return patterns_.empty(); }
  bool matches(std::string_view subject) const;

 private:
  std::vector<WildcardPattern> patterns_;
};

}  // namespace mora
