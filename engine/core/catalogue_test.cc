// The shipped catalogue must hold a text for every code the engine raises.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Catalogue, HoldsEveryRaisedCodeOnceWithWellFormedLines) {
  const std::filesystem::path root = MORA_SOURCE_DIR;
  std::istringstream catalogue(slurp(root / "data" / "mora.msg"));
  std::set<std::string> known;
  const std::regex lineForm("FIE[UBSCIRX][0-9]{3},.+");
  for (std::string line; std::getline(catalogue, line);) {
    EXPECT_TRUE(std::regex_match(line, lineForm)) << line;
    EXPECT_TRUE(known.insert(line.substr(0, 7)).second) << "duplicate " << line;
  }

  const std::regex raised("\"(FIE[A-Z][0-9]{3})\"");
  std::set<std::string> used;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "engine")) {
    const auto name = entry.path().filename().string();
    if (entry.path().extension() != ".cc" || name.ends_with("_test.cc")) continue;
    const std::string text = slurp(entry.path());
    for (std::sregex_iterator it(text.begin(), text.end(), raised), end; it != end; ++it)
      used.insert((*it)[1]);
  }
  EXPECT_FALSE(used.empty());
  for (const auto& code : used)
    EXPECT_TRUE(known.count(code)) << code << " is raised but not in mora.msg";
}

}  // namespace
