// A read-only input stream over an open file descriptor that it owns and
// closes. Large reads go straight from the descriptor into the reader's
// buffer; small ones through one block buffer, allocated at the first.
// A failed read throws from the stream buffer, which the stream turns into
// its bad state, as the standard file streams do.
#pragma once

#include <istream>
#include <memory>

namespace mora {

std::unique_ptr<std::istream> makeDescriptorInput(int fd);

}  // namespace mora
