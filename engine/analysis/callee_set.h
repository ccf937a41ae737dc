// The distinct names of one candidate's call list. A long body calls the
// same few names again and again; each name is hashed once, looked up in a
// small open-addressing table of indices into the list itself, and stored
// only in the list. The table is reused from one function to the next:
// clearing it is one counter step, and it allocates only while it grows to
// the largest call list of the scan.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mora {

class CalleeSet {
 public:
  // Appends `name` to `names` unless the set holds it already; true when
  // appended. `names` is the list the set indexes: the two are filled and
  // cleared together.
  bool add(std::vector<std::string>& names, std::string_view name);
  // Forgets every name; the table keeps its size.
  void clear();
  bool empty() const { return count_ == 0; }

 private:
  struct Slot {
    std::uint32_t stamp = 0;  // the slot is in use when it equals stamp_
    std::uint32_t hash = 0;
    std::uint32_t index = 0;  // into the names list
  };
  void grow();

  std::vector<Slot> slots_;  // a power of two in size, at most half in use
  std::uint32_t stamp_ = 1;
  std::uint32_t count_ = 0;
};

}  // namespace mora
