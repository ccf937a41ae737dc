// The descriptor stream is the POSIX platform's; Windows opens files alone.
// On disk: these tests read real files through the host's descriptors.
#ifndef _WIN32
#include "core/platform/descriptor_input.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/platform.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;

std::string readAll(std::istream& in, std::size_t step) {
  std::string out, chunk(step, '\0');
  while (in.read(chunk.data(), static_cast<std::streamsize>(step)) || in.gcount() > 0)
    out.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
  return out;
}

TEST(DescriptorInput, ReadsEveryByteInSmallAndLargeReads) {
  ScratchDir dir;
  std::string text;
  for (int i = 0; i < 30000; ++i)
    text += static_cast<char>('a' + i % 26) + std::string(i % 7, '\r');
  dir.write("f.txt", text);
  for (std::size_t step : {1u, 100u, 8192u, 65536u}) {
    auto in = makeDescriptorInput(::open("f.txt", O_RDONLY));
    EXPECT_EQ(readAll(*in, step), text) << step;
    EXPECT_FALSE(in->bad());
  }
  // get() and read() mixed, as the line readers do.
  auto in = makeDescriptorInput(::open("f.txt", O_RDONLY));
  EXPECT_EQ(in->get(), 'a');
  EXPECT_EQ(readAll(*in, 20000), text.substr(1));
}

// With the size known at the open the stream ends there, even when the
// file has grown since; without it, at the first empty read.
TEST(DescriptorInput, EndsAtTheSizeKnownAtTheOpen) {
  ScratchDir dir;
  dir.write("f.txt", "0123456789");
  auto sized = makeDescriptorInput(::open("f.txt", O_RDONLY), 4);
  auto unsized = makeDescriptorInput(::open("f.txt", O_RDONLY));
  EXPECT_EQ(readAll(*sized, 100), "0123");
  EXPECT_EQ(readAll(*unsized, 3), "0123456789");
  auto platform = makePosixPlatform();
  auto in = platform->openInput("f.txt");
  dir.write("f.txt", "0123456789 and more");
  EXPECT_EQ(readAll(*in, 100), "0123456789");
}

TEST(DescriptorInput, PlatformRefusesDirectoriesAndMissingFiles) {
  ScratchDir dir;
  dir.write("f.txt", "x");
  ::mkdir("d", 0700);
  auto platform = makePosixPlatform();
  EXPECT_EQ(platform->openInput("d"), nullptr);
  EXPECT_EQ(platform->openInput("d/"), nullptr);
  EXPECT_EQ(platform->openInput("missing"), nullptr);
  EXPECT_EQ(platform->openInput("f.txt/"), nullptr);
  auto in = platform->openInput("f.txt");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->get(), 'x');
}

// A file that opens but cannot be read leaves the stream bad, not at a
// quiet end, so the reader reports the failure.
TEST(DescriptorInput, AReadErrorMakesTheStreamBad) {
  auto in = makePosixPlatform()->openInput("/proc/self/mem");
  ASSERT_NE(in, nullptr);
  char buffer[100];
  in->read(buffer, sizeof buffer);
  EXPECT_TRUE(in->bad());
}

}  // namespace
}  // namespace mora
#endif
