#include "core/wildcard.h"

#include "core/limits.h"
#include "core/text.h"

namespace mora {

namespace {

// Reads one set member at `k` (a backslash makes the next byte literal) and
// returns it; `k` moves past it.
unsigned char readSetMember(std::string_view body, std::size_t& k) {
  if (body[k] == '\\' && k + 1 < body.size()) {
    k += 2;
    return static_cast<unsigned char>(body[k - 1]);
  }
  return static_cast<unsigned char>(body[k++]);
}

// Where the set that opens at `open` closes, or npos when no "]" follows.
// No byte of a multi-byte character closes or escapes.
std::size_t findSetClose(std::string_view pattern, std::size_t open) {
  std::size_t j = open + 1;
  while (j < pattern.size()) {
    if (pattern[j] == '\\' && j + 1 < pattern.size()) {
      j += 2;
    } else if (std::size_t n = charLength(pattern, j); n > 1) {
      j += n;
    } else if (pattern[j] == ']') {
      return j;
    } else {
      ++j;
    }
  }
  return std::string_view::npos;
}

std::bitset<256> parseSet(std::string_view body) {
  std::bitset<256> set;
  for (std::size_t k = 0; k < body.size();) {
    if (std::size_t n = charLength(body, k); n > 1) {
      for (std::size_t end = k + n; k < end; ++k) set.set(static_cast<unsigned char>(body[k]));
      continue;
    }
    unsigned lo = readSetMember(body, k);
    unsigned hi = lo;
    // A "-" between two members is a range; at the end it is a member.
    if (k + 1 < body.size() && body[k] == '-') {
      ++k;
      hi = readSetMember(body, k);
    }
    for (unsigned b = lo; b <= hi; ++b) set.set(b);
  }
  return set;
}

}  // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) {
  auto literal = [this](char c) {
    steps_.push_back({Kind::Literal, static_cast<unsigned char>(c), 0});
  };
  for (std::size_t i = 0; i < pattern.size();) {
    char c = pattern[i];
    if (c == '\\' && i + 1 < pattern.size())
      c = pattern[++i];
    else if (c == '*' || c == '?') {
      // Several "*" in a row match what one does.
      if (c == '?')
        steps_.push_back({Kind::AnyOne, 0, 0});
      else if (steps_.empty() || steps_.back().kind != Kind::AnyRun)
        steps_.push_back({Kind::AnyRun, 0, 0});
      ++i;
      continue;
    } else if (c == '[') {
      i = compileSet(pattern, i);
      continue;
    }
    // A literal; a multi-byte character is kept whole so that none of its
    // bytes is ever read as an escape or a set bracket.
    for (std::size_t end = i + charLength(pattern, i); i < end; ++i) literal(pattern[i]);
  }
}

std::size_t WildcardPattern::compileSet(std::string_view pattern, std::size_t open) {
  std::size_t close = findSetClose(pattern, open);
  // A "[" without its "]" is ignored.
  if (close == std::string_view::npos) return open + 1;
  std::string_view body = pattern.substr(open + 1, close - open - 1);
  if (body.size() > kWildcardSetMax) body = body.substr(0, kWildcardSetMax);
  sets_.push_back(parseSet(body));
  steps_.push_back({Kind::Set, 0, static_cast<std::uint32_t>(sets_.size() - 1)});
  return close + 1;
}

bool WildcardPattern::matchesOne(const Step& step, unsigned char c) const {
  switch (step.kind) {
    case Kind::Literal:
      return step.byte == c;
    case Kind::AnyOne:
      return true;
    case Kind::Set:
      return sets_[step.set].test(c);
    case Kind::AnyRun:
      break;
  }
  return false;
}

// Greedy matching with a single back-track point: when a step fails after a
// "*", the "*" takes one more subject byte and matching resumes behind it.
bool WildcardPattern::matches(std::string_view subject) const {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t p = 0, s = 0;
  std::size_t afterStar = kNone, starSubject = 0;
  while (s < subject.size()) {
    if (p < steps_.size() && steps_[p].kind == Kind::AnyRun) {
      afterStar = ++p;
      starSubject = s;
      if (p == steps_.size()) return true;  // a final "*" takes any rest
    } else if (p < steps_.size() && matchesOne(steps_[p], static_cast<unsigned char>(subject[s]))) {
      ++p;
      ++s;
    } else if (afterStar != kNone) {
      p = afterStar;
      s = ++starSubject;
    } else {
      return false;
    }
  }
  while (p < steps_.size() && steps_[p].kind == Kind::AnyRun) ++p;
  return p == steps_.size();
}

bool wildcardMatches(std::string_view pattern, std::string_view subject) {
  return WildcardPattern(pattern).matches(subject);
}

bool hasWildcard(std::string_view text) {
  return text.find_first_of("*?[") != std::string_view::npos;
}

}  // namespace mora
