// The function database: function entries, their texts and call lists, and
// the function library file.
#pragma once

namespace mora {

struct FunctionDatabase {};

}  // namespace mora
