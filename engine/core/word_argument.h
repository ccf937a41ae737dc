// The argument forms that commands read for names: file-name words, word
// arguments (quoted text, a variable, an <angle-bracketed> item or a word)
// and names that may also be value expressions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mora {

class Engine;

struct WordArgument {
  std::string value;
  std::size_t consumed = 0;  // characters of the text taken, with leading blanks
};

// A run of file-name characters ("?" and "*" excluded) after leading blanks;
// it may be empty. The second byte of a double-byte character is always
// taken with its lead byte.
WordArgument readFileNameWord(std::string_view text);

// A word argument: a double-quoted text (its content), a variable (its value),
// a text from "<" up to and including the next ">", or a file-name word.
// std::nullopt after a message.
std::optional<WordArgument> readWordArgument(Engine& e, std::string_view text);

// A value expression when the text starts with "$" or a double quote, else a
// file-name word. `terminators` end the expression. std::nullopt after a message.
std::optional<WordArgument> readNameOrValue(Engine& e, std::string_view text,
                                            std::string_view terminators = {});

// A run of letters, digits and "_" after leading blanks: a keyword candidate.
WordArgument readKeywordWord(std::string_view text);

// Nothing but blanks may follow a command's last operand: false after FIEU005
// naming what does.
bool nothingFollows(Engine& e, std::string_view rest);

}  // namespace mora
