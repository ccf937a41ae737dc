#include "reports/include_tree.h"

#include <gtest/gtest.h>

#include <string>

namespace mora {
namespace {

std::string parsed(std::string_view line) {
  auto d = parseIncludeDirective(line);
  if (!d) return "-";
  return (d->quoted ? "q:" : "a:") + std::string(d->name);
}

TEST(IncludeDirective, FormsAndNameEnds) {
  EXPECT_EQ(parsed("#include \"a.h\"\n"), "q:a.h");
  EXPECT_EQ(parsed("#include <sys/types.h>\n"), "a:sys/types.h");
  EXPECT_EQ(parsed("#  include\t< b.h >"), "a:b.h ");
  EXPECT_EQ(parsed("#include \"x.h\" /* <y.h> */"), "q:x.h");
  EXPECT_EQ(parsed("#include <x.h> /* \"y\" */"), "a:x.h");
  EXPECT_EQ(parsed("#include MACRO_H tail"), "a:MACRO_H");
  EXPECT_EQ(parsed("#include \"crlf.h\r\n"), "q:crlf.h");
  EXPECT_EQ(parsed(" #include \"indented.h\""), "-");
  EXPECT_EQ(parsed("#include_next <z.h>"), "-");
  EXPECT_EQ(parsed("#include"), "-");
  EXPECT_EQ(parsed("#include \"\""), "-");
  EXPECT_EQ(parsed("#define include"), "-");
}

}  // namespace
}  // namespace mora
