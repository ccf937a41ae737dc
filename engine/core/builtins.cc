#include "core/builtins.h"

namespace mora {

bool isBuiltin(std::string_view) { return false; }
bool callBuiltin(Engine&, std::string_view) { return false; }
void closeBuiltinFiles(Engine&) {}

}  // namespace mora
