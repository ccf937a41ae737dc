#include "core/line_reader.h"

namespace mora {

bool LineReader::readPiece(std::string& out, std::size_t max) {
  out.clear();
  std::streambuf* buf = in_.rdbuf();
  if (!buf) return false;
  using Traits = std::char_traits<char>;
  // A file buffer reports a read error (EIO, a file that cannot be read past
  // some point) by throwing from sbumpc. The stream is marked bad instead and
  // reading ends, so the caller can fail its command naming the file.
  try {
    while (out.size() < max) {
      int c = buf->sbumpc();
      if (c == Traits::eof()) break;
      if (c == '\r' && buf->sgetc() == '\n') continue;
      out.push_back(static_cast<char>(c));
      if (c == '\n') break;
    }
  } catch (const std::ios_base::failure&) {
    in_.setstate(std::ios::badbit);
    out.clear();
    return false;
  }
  if (out.empty()) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  encoding_.observe(out);
  return true;
}

}  // namespace mora
