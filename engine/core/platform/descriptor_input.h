// A read-only input stream over an open file descriptor that it owns and
// closes. Large reads go straight from the descriptor into the reader's
// buffer; small ones through one block buffer, allocated at the first.
// A failed read throws from the stream buffer, which the stream turns into
// its bad state, as the standard file streams do.
#pragma once

#include <istream>
#include <memory>

namespace mora {

// `size` is the size of a regular file as it was opened, after which the
// stream ends; -1 when the size tells nothing (a file of the proc file
// system shows 0), so only an empty read ends it.
std::unique_ptr<std::istream> makeDescriptorInput(int fd, long long size = -1);

}  // namespace mora
