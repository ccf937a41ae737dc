#include "core/platform/paths.h"

#include <gtest/gtest.h>

namespace mora {
namespace {

constexpr PathStyle kPosix = PathStyle::Posix;
constexpr PathStyle kWindows = PathStyle::Windows;

TEST(Paths, PosixTakesOnlySlashAsSeparator) {
  EXPECT_EQ(lastComponent("src/a\\b.c", kPosix), "a\\b.c");
  EXPECT_FALSE(hasDirectoryPart("src\\a.c", kPosix));
  EXPECT_FALSE(hasDirectoryPart("c:a.c", kPosix));
  EXPECT_EQ(parentDirectory("/usr/bin/mora", kPosix), "/usr/bin");
  EXPECT_EQ(parentDirectory("/mora", kPosix), "/");
  EXPECT_EQ(parentDirectory("mora", kPosix), "");
  EXPECT_EQ(joinPath("/tmp", "x", kPosix), "/tmp/x");
  EXPECT_EQ(joinPath("/tmp/", "x", kPosix), "/tmp/x");
  EXPECT_EQ(joinPath("", "x", kPosix), "x");
  EXPECT_EQ(withoutTrailingSeparators("src//", kPosix), "src");
  EXPECT_EQ(withoutTrailingSeparators("///", kPosix), "/");
}

TEST(Paths, WindowsTakesBothSeparatorsAndDrives) {
  EXPECT_EQ(nameStart("src\\a.c", kWindows), 4u);
  EXPECT_EQ(nameStart("src/sub\\a.c", kWindows), 8u);
  EXPECT_EQ(lastComponent("C:a.c", kWindows), "a.c");
  EXPECT_TRUE(hasDirectoryPart("C:mora.msg", kWindows));
  EXPECT_FALSE(hasDirectoryPart("mora.msg", kWindows));
  EXPECT_EQ(parentDirectory("C:\\veldra\\mora.exe", kWindows), "C:\\veldra");
  EXPECT_EQ(parentDirectory("C:\\mora.exe", kWindows), "C:\\");
  EXPECT_EQ(parentDirectory("C:mora.exe", kWindows), "C:");
  EXPECT_EQ(parentDirectory("\\mora.exe", kWindows), "\\");
  EXPECT_EQ(joinPath("C:\\tmp", "x", kWindows), "C:\\tmp\\x");
  EXPECT_EQ(joinPath("C:", "x", kWindows), "C:x");
  EXPECT_EQ(joinPath("src/", "x", kWindows), "src/x");
  EXPECT_EQ(withTrailingSeparator("src", kWindows), "src\\");
  EXPECT_EQ(withoutTrailingSeparators("src\\/", kWindows), "src");
  EXPECT_EQ(withoutTrailingSeparators("C:\\\\", kWindows), "C:\\");
  EXPECT_EQ(withoutTrailingSeparators("C:", kWindows), "C:");
}

// "\x95\x5c" is one Shift-JIS character whose second byte is a backslash.
TEST(Paths, WindowsNeverSplitsADoubleByteCharacter) {
  const std::string dir = "\x95\x5c";
  EXPECT_FALSE(hasDirectoryPart(dir + ".c", kWindows));
  EXPECT_EQ(lastComponent("a\\" + dir + ".c", kWindows), dir + ".c");
  EXPECT_EQ(withoutTrailingSeparators(dir, kWindows), dir);
  EXPECT_EQ(withTrailingSeparator(dir, kWindows), dir + "\\");
  EXPECT_EQ(withoutTrailingSeparators(dir + "\\", kWindows), dir);
}

TEST(Paths, SearchPathSplitsAtTheListSeparatorOfItsStyle) {
  EXPECT_EQ(searchPathEntries("C:\\bin;;D:\\x", kWindows),
            (std::vector<std::string>{"C:\\bin", "", "D:\\x"}));
  EXPECT_EQ(searchPathEntries("/bin::/usr/bin", kPosix),
            (std::vector<std::string>{"/bin", "", "/usr/bin"}));
  EXPECT_EQ(searchPathEntries("", kPosix), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace mora
