// The per-file conditional stack of a C scan with the ifdef setting on: which
// conditional branches are open and whether the current line lies in one
// that is false for the define table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/directive_classifier.h"
#include "core/limits.h"

namespace mora {

class DefineTable;

enum class LineVerdict : int {
  Scan = 0,        // an ordinary line in a true region
  Directive = 1,   // a conditional directive, consumed
  Suppressed = 2,  // a line in a false region
};

class ConditionalStack {
 public:
  struct Level {
    std::int32_t taken = 0;   // some branch of this conditional has been true
    std::int32_t active = 0;  // the level belongs to an open conditional
    std::int32_t value = 0;   // the current branch is true
  };

  // Empties every level; the depth becomes 0.
  void reset();
  // Classifies a line (comments removed) and updates the stack.
  LineVerdict verdict(std::string_view line, const DefineTable& defines);
  int depth() const { return depth_; }
  const Level& level(int k) const { return levels_[static_cast<std::size_t>(k)]; }

 private:
  void open(std::int32_t value);
  void close();
  bool suppressed() const;

  // Level 0 is the outermost and never pushed; conditionals past the deepest
  // level overwrite it.
  std::array<Level, kConditionalLevels> levels_{};
  int depth_ = 0;
};

}  // namespace mora
