// The texts of one scan in a few large blocks: every function and callee
// name once, the file names and the call lists as arrays of views. A scan
// records thousands of short names; held one by one they would cost a
// string and often a heap block each, and touch new pages all over the
// heap. The views stay valid until the pool is destroyed; a moved pool
// keeps them valid too. Interned texts are numbered (id()), which lets the
// caller table find a called name's target with one array access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace mora {

class NamePool {
 public:
  NamePool() = default;
  NamePool(const NamePool&) = delete;
  NamePool& operator=(const NamePool&) = delete;
  NamePool(NamePool&& other) noexcept;
  NamePool& operator=(NamePool&& other) noexcept;
  ~NamePool() = default;

  // The pool's copy of `text`, shared by every equal text interned before.
  // Each interned text carries a number: 0, 1, 2 ... in order of first
  // interning, so that tables over interned texts can be plain arrays.
  std::string_view intern(std::string_view text);
  // The number of a text that intern() returned (of that very view).
  std::uint32_t id(std::string_view interned) const;
  // How many numbers intern() has handed out.
  std::size_t internedCount() const { return ids_; }
  // Frees the lookup table of interned texts once no more are to come; a
  // text interned after it gets a copy and a number of its own.
  void endInterning();
  // A copy of `text` of its own (for texts that are seldom equal).
  std::string_view store(std::string_view text);
  // Room for `count` views, each empty until set.
  std::span<std::string_view> views(std::size_t count);

 private:
  struct Slot {
    const char* data = nullptr;  // nullptr: free
    std::uint32_t size = 0;
    std::uint32_t hash = 0;
  };
  // `bytes` of raw room aligned to `align`.
  void* allocate(std::size_t bytes, std::size_t align);
  void growSlots();

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::vector<Slot> slots_;  // a power of two in size, at most half in use
  std::size_t count_ = 0;    // slots in use
  std::uint32_t ids_ = 0;
};

}  // namespace mora
