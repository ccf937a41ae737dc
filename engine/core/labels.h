// Labels and `goto`: forward jumps search the following input for the label;
// backward jumps replay the code list, which holds the executed statements
// while the code store is on.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// The name of the label statement `statement` (which starts with ":"): up to
// the first blank, tab, line feed, ":" or ";".
std::string_view labelNameOf(std::string_view statement);

// While a label search is pending: ends it at the searched label. Returns
// true when `statement` is skipped; label statements are not.
bool skipWhileSearching(Engine& e, std::string_view statement);

// A label statement: entered into the label table when the code store is on.
// Returns false after a message.
bool defineLabel(Engine& e, std::string_view statement);

// Starts a search for `label` in the input that follows.
void startLabelSearch(Engine& e, std::string_view label);

// `goto name`.
bool cmdGoto(Engine& e, std::string_view rest);

}  // namespace mora
