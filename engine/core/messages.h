// Numbered diagnostics. Every failure of the engine is one code raised here;
// the text is looked up in the catalogue at the moment it is raised.
#pragma once

#include <string>
#include <string_view>

namespace mora {

class Engine;

// Raises diagnostic `code` ("FIE" + family letter + three digits) with its
// argument: counts it, prints it, fires the `whenever error` hook and ends
// the run when the error limit is reached.
void raiseMessage(Engine& e, std::string_view code, std::string_view argument = {});

enum class LookupResult { NoCatalogue = -1, NotFound = 0, Found = 1 };

// Looks `code` up in the catalogue file and formats its text with
// `argument` in place of each "@@@" run.
LookupResult lookupMessage(Engine& e, const std::string& cataloguePath, std::string_view code,
                           std::string_view argument, std::string& text);

// Formats one catalogue text: each run of "@" that starts with "@@@" becomes
// the argument.
std::string formatMessageText(std::string_view text, std::string_view argument);

}  // namespace mora
