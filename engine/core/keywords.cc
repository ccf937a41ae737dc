#include "core/keywords.h"

#include "core/text.h"

namespace mora {

std::optional<Token> lookupKeyword(std::string_view word) {
  for (std::size_t i = 0; i < kKeywordCount; ++i)
    if (equalsNoCase(kKeywordWords[i], word)) return static_cast<Token>(i);
  return std::nullopt;
}

}  // namespace mora
