// The output buffer under every file the platform opens for writing: it
// collects what is written and hands it to the file in blocks, so a report
// costs a system call per block rather than per line.
#pragma once

#include <cstddef>
#include <streambuf>
#include <utility>

namespace mora {

inline constexpr std::size_t kWriteBufferSize = std::size_t{1} << 16;

// `Sink` writes bytes to the open file: `sink(data, size)` returns how many
// it wrote, or 0 or less when the write failed.
template <typename Sink>
class WriteBuffer final : public std::streambuf {
 public:
  explicit WriteBuffer(Sink sink) : sink_(std::move(sink)) {
    setp(buffer_, buffer_ + sizeof buffer_);
  }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  bool drain() {
    const char* p = pbase();
    while (p < pptr()) {
      auto written = sink_(p, static_cast<std::size_t>(pptr() - p));
      if (written <= 0) return false;
      p += written;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return true;
  }

  Sink sink_;
  char buffer_[kWriteBufferSize];
};

}  // namespace mora
