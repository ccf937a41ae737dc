#include "analysis/directive_classifier.h"

#include <array>

#include "analysis/define_table.h"
#include "core/text.h"

namespace mora {

namespace {

struct DirectiveWord {
  std::string_view word;
  DirectiveKind kind;
};

constexpr std::array<DirectiveWord, 7> kDirectiveWords = {{
    {"ifdef", DirectiveKind::Ifdef},
    {"ifndef", DirectiveKind::Ifndef},
    {"endif", DirectiveKind::Endif},
    {"elif", DirectiveKind::Elif},
    {"define", DirectiveKind::Define},
    {"else", DirectiveKind::Else},
    {"if", DirectiveKind::If},
}};

constexpr std::string_view kDefined = "defined";

std::string_view cutAtLineFeed(std::string_view s) { return s.substr(0, s.find('\n')); }

// "#if" followed by "[!] defined [(] name": the folded kinds 1 and 5.
Directive classifyIf(std::string_view rest) {
  Directive plain{DirectiveKind::If, cutAtLineFeed(rest)};
  DirectiveKind kind = DirectiveKind::Ifdef;
  if (!rest.empty() && rest[0] == '!') {
    kind = DirectiveKind::Ifndef;
    rest = skipBlanks(rest.substr(1));
  }
  if (!rest.starts_with(kDefined)) return plain;
  rest = skipBlanks(rest.substr(kDefined.size()));
  if (!rest.empty() && rest[0] == '(') rest = skipBlanks(rest.substr(1));
  return Directive{kind, rest.substr(0, macroNameLength(rest, 0))};
}

}  // namespace

Directive classifyDirective(std::string_view line) {
  std::string_view rest = skipBlanks(line);
  if (rest.empty() || rest[0] != '#') return {};
  rest = skipBlanks(rest.substr(1));
  std::size_t length = 0;
  while (length < rest.size() && isAsciiAlpha(rest[length])) ++length;
  std::string_view word = rest.substr(0, length);
  rest = skipBlanks(rest.substr(length));
  for (const DirectiveWord& d : kDirectiveWords) {
    if (d.word != word) continue;
    if (d.kind == DirectiveKind::If) return classifyIf(rest);
    return Directive{d.kind, cutAtLineFeed(rest)};
  }
  return {};
}

}  // namespace mora
