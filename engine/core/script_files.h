// Script files run from a script: `include` runs whole files; `event` and
// `on` run named sections of event files, copied into the work file first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

// The lines of the first section "[name]" of `in` (matched without regard
// to case), each with its line feed; false when there is no such section.
bool readSection(std::istream& in, std::string_view name, std::vector<std::string>& lines);

bool cmdInclude(Engine& e, std::string_view rest);
bool cmdEvent(Engine& e, std::string_view rest);

}  // namespace mora
