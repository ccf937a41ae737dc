// The wildcard matcher used for file masks (after case folding) and for
// function-name patterns: "*", "?", bracketed sets with ranges, and the
// backslash escape. A pattern is compiled once and can then be matched
// against many subjects, as a directory walk does.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mora {

class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);

  // True when the whole `subject` matches, byte by byte and case-sensitive.
  bool matches(std::string_view subject) const;

 private:
  enum class Kind : std::uint8_t { Literal, AnyOne, AnyRun, Set };
  struct Step {
    Kind kind;
    unsigned char byte;  // Literal
    std::uint32_t set;   // Set: index into sets_
  };

  std::size_t compileSet(std::string_view pattern, std::size_t open);
  bool matchesOne(const Step& step, unsigned char c) const;

  std::vector<Step> steps_;
  std::vector<std::bitset<256>> sets_;
};

// True when `subject` matches `pattern` (case-sensitive).
bool wildcardMatches(std::string_view pattern, std::string_view subject);

// True when `text` holds any of the wildcard characters "*", "?" and "[".
bool hasWildcard(std::string_view text);

}  // namespace mora
