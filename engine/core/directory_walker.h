// One-level enumeration of a directory's entries in the platform's order
// (names folded to upper case), without "." and "..". The walk starts at
// the first next(), so opening only checks that the directory is there.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace mora {

class Platform;

class DirectoryWalker {
 public:
  explicit DirectoryWalker(Platform& platform) : platform_(platform) {}

  // Opens `directory` (one trailing "/" ignored; "." always accepted).
  // False when it is empty, missing or not a directory.
  bool open(std::string directory);
  // The next entry name, or std::nullopt at the end of the walk or when the
  // directory cannot be listed.
  std::optional<std::string> next();
  void close();

 private:
  enum class State { Closed, Opened, Running };

  Platform& platform_;
  State state_ = State::Closed;
  std::string directory_;
  std::vector<std::string> entries_;
  std::size_t position_ = 0;
};

}  // namespace mora
