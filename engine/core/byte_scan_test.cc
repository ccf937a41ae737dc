#include "core/byte_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace mora {
namespace {

// The byte-by-byte answer the word-wise scan must always give.
std::size_t slowFind(std::string_view s, std::size_t from, char a, char b) {
  for (std::size_t i = from; i < s.size(); ++i)
    if (s[i] == a || s[i] == b || static_cast<unsigned char>(s[i]) > 0x7F) return i;
  return s.size();
}

std::size_t slowSkip(std::string_view s, std::size_t from) {
  while (from < s.size() && (s[from] == ' ' || s[from] == '\t')) ++from;
  return from;
}

TEST(ByteScan, FindsTheFirstMarkFromEveryStartInEveryPosition) {
  // One special byte at each position of texts up to three words long, met
  // from every start: inside a word, across words, and in the short tail.
  // The neighbours one above a mark ("0" after "/", "+" after "*") are the
  // bytes a borrow between bytes would mistake for marks.
  const char specials[] = {'/', '*', '(', '"', '0', '+', '\x80', '\xE3', '\xFF'};
  for (std::size_t len = 0; len <= 24; ++len) {
    for (char special : specials) {
      for (std::size_t at = 0; at <= len; ++at) {
        std::string text(len, 'a');
        if (at < len) text[at] = special;
        if (at > 0 && at < len) text[at - 1] = '/';  // a true mark just before
        for (std::size_t from = 0; from <= len; ++from) {
          ASSERT_EQ(findMarkOrHigh(text, from, '/', '/'), slowFind(text, from, '/', '/'))
              << "text " << text << " from " << from;
          ASSERT_EQ(findMarkOrHigh(text, from, '(', '"'), slowFind(text, from, '(', '"'))
              << "text " << text << " from " << from;
          ASSERT_EQ(findMarkOrHigh(text, from, '*', '*'), slowFind(text, from, '*', '*'))
              << "text " << text << " from " << from;
        }
      }
    }
  }
}

TEST(ByteScan, SkipsBlankRunsOfSpacesAndTabs) {
  for (std::size_t len = 0; len <= 20; ++len) {
    for (std::size_t stop = 0; stop <= len; ++stop) {
      std::string text(len, ' ');
      if (stop < len) text[stop] = 'x';
      if (stop > 2) text[1] = '\t';
      for (std::size_t from = 0; from <= len; ++from)
        ASSERT_EQ(skipBlankRun(text, from), slowSkip(text, from)) << text << " from " << from;
    }
  }
  EXPECT_EQ(skipBlankRun("        \t  int x;", 0), 11u);
  EXPECT_EQ(skipBlankRun("\n  x", 0), 0u);  // a line feed is no blank here
}

}  // namespace
}  // namespace mora
