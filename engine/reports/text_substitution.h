// Text substitution in source files: `define` old texts `as` new texts `on`
// files. The files are changed through the staging registry, so the real
// files keep their text until `done`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

struct Substitution {
  std::string oldText;
  std::string newText;
};

// Applies the pairs in order to one line. Each pair replaces every
// occurrence from the start of the line, searching on behind the inserted
// text so that it is never searched again; a pair whose old text is empty
// or equal to its new text is skipped. A match never starts on the second
// byte of a double-byte character.
void substituteLine(std::string& line, const std::vector<Substitution>& pairs);

// `define` old, ... `as` new, ... `on` files.
bool cmdDefine(Engine& e, std::string_view rest);

}  // namespace mora
