// The state of the statement executor: blocks, skipping, loops, functions,
// labels and the code store.
#pragma once

namespace mora {

struct ExecutorState {
  int depth = 0;
  bool breakFlag = false;
};

}  // namespace mora
