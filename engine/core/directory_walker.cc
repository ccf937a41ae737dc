#include "core/directory_walker.h"

#include "core/platform.h"
#include "core/platform/paths.h"

namespace mora {

bool DirectoryWalker::open(std::string directory) {
  close();
  if (directory.empty()) return false;
  // A root keeps its separator: without it the name would be empty.
  directory = withoutTrailingSeparators(directory);
  if (directory != "." && !platform_.isDirectory(directory)) return false;
  directory_ = std::move(directory);
  state_ = State::Opened;
  return true;
}

std::optional<std::string> DirectoryWalker::next() {
  if (state_ == State::Opened) {
    auto listed = platform_.listDirectory(directory_);
    if (!listed) {
      close();
      return std::nullopt;
    }
    entries_ = std::move(*listed);
    position_ = 0;
    state_ = State::Running;
  }
  if (state_ != State::Running || position_ >= entries_.size()) return std::nullopt;
  return std::move(entries_[position_++]);
}

void DirectoryWalker::close() {
  state_ = State::Closed;
  directory_.clear();
  entries_.clear();
  position_ = 0;
}

}  // namespace mora
