#include "core/platform/descriptor_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <streambuf>

namespace mora {

namespace {

// The block of the buffered small reads.
constexpr std::size_t kDescriptorBlock = 8192;

class DescriptorBuffer final : public std::streambuf {
 public:
  DescriptorBuffer(int fd, long long size) : fd_(fd), left_(size) {}
  ~DescriptorBuffer() override { ::close(fd_); }
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kDescriptorBlock);
    std::size_t got = readSome(block_.get(), kDescriptorBlock);
    setg(block_.get(), block_.get(), block_.get() + got);
    return got == 0 ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }

  // What is buffered first, then whole blocks straight into `s`; the rest
  // of a request smaller than a block through the buffer.
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    std::size_t want = static_cast<std::size_t>(n);
    std::size_t done = std::min(want, static_cast<std::size_t>(egptr() - gptr()));
    if (done > 0) {
      std::memcpy(s, gptr(), done);
      gbump(static_cast<int>(done));
    }
    while (done < want) {
      if (want - done < kDescriptorBlock) {
        if (traits_type::eq_int_type(underflow(), traits_type::eof())) break;
        std::size_t part = std::min(want - done, static_cast<std::size_t>(egptr() - gptr()));
        std::memcpy(s + done, gptr(), part);
        gbump(static_cast<int>(part));
        done += part;
        continue;
      }
      std::size_t got = readSome(s + done, want - done);
      if (got == 0) break;
      done += got;
    }
    return static_cast<std::streamsize>(done);
  }

 private:
  // Bytes read, 0 at the end; a failed read throws, so the stream is bad.
  // Once the known size has been read the end is taken as reached, which
  // saves each file the empty read that would only confirm it.
  std::size_t readSome(char* into, std::size_t room) {
    if (left_ == 0) return 0;
    if (left_ > 0)
      room = static_cast<std::size_t>(std::min<long long>(left_, static_cast<long long>(room)));
    for (;;) {
      ssize_t got = ::read(fd_, into, room);
      if (got >= 0) {
        if (left_ > 0) left_ = std::max(0LL, left_ - static_cast<long long>(got));
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) throw std::ios_base::failure("read error");
    }
  }

  int fd_;
  long long left_;  // bytes still to come; negative when not known
  std::unique_ptr<char[]> block_;
};

class DescriptorInput final : public std::istream {
 public:
  DescriptorInput(int fd, long long size) : std::istream(nullptr), buffer_(fd, size) {
    rdbuf(&buffer_);
  }

 private:
  DescriptorBuffer buffer_;
};

}  // namespace

std::unique_ptr<std::istream> makeDescriptorInput(int fd, long long size) {
  return std::make_unique<DescriptorInput>(fd, size);
}

}  // namespace mora
