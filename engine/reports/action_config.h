// The print configuration of action diagrams: for every record kind the two
// line pieces drawn before its text, the piece drawn once per nesting level,
// the separator and end bytes of the intermediate file and the highest print
// level shown. Read from "actprt.ini", or from one of two built-in sets.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/limits.h"
#include "core/settings.h"

namespace mora {

inline constexpr std::string_view kActionConfigFile = "actprt.ini";

struct ActionDefinition {
  std::string kind;
  std::string first;         // before the first line of a record's text
  std::string continuation;  // before each further line
};

// TAB, SEP, EOL and PLV keep their values from one load to the next when the
// configuration read does not set them; the definitions are replaced.
struct ActionConfig {
  std::vector<ActionDefinition> definitions;
  std::string tab;
  std::string separator{kActionFieldSeparator};
  std::string recordEnd{kActionRecordEnd};
  int printLevel = kActionDefaultPrintLevel;

  // The first definition of `kind` (case-sensitive), or nullptr.
  const ActionDefinition* find(std::string_view kind) const;
  char separatorByte() const { return separator.empty() ? '\0' : separator[0]; }
  char recordEndByte() const { return recordEnd.empty() ? '\0' : recordEnd[0]; }
};

// Loads the configuration from `file`, or from the built-in set of `style`
// when `file` is nullptr. Each error is written to `err` as
// "name(line) : message". False after an error (an unknown keyword only
// ends the reading: what was read is used and the load succeeds).
[[nodiscard]] bool loadActionConfig(ActionConfig& config, std::istream* file, LineStyle style,
                                    std::string_view fileName, std::ostream& err);

// The lines of a built-in set, as a configuration file would hold them.
std::string builtinActionConfig(LineStyle style);

}  // namespace mora
