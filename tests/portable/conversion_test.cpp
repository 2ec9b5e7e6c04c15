// TextToInt and IntToText, as typed into the edit boxes and stored in the settings file.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/conversion.h"

namespace {

int32_t ToInt(const std::string& s) { return TextToInt(s.data(), s.size()); }
std::string ToText(int32_t n) { return IntToText(n).c_str(); }

struct TextCase {
  const char* name;
  std::string text;
  int32_t expected;
};

TEST(TextToInt, ReadsTheLeadingDecimalNumber) {
  const TextCase cases[] = {
      {"fraction", "1.5", 1},
      {"negative fraction", "-1.5", -1},
      {"exponent", "1e3", 1},
      {"hex", "0x10", 0},
      {"trailing letters", "12abc", 12},
      {"letters", "abc", 0},
      {"empty", "", 0},
      {"spaces around", "  42  ", 42},
      {"plus", "+7", 7},
      {"space after sign", "- 5", 0},
      {"two signs", "--5", 0},
      {"space between digits", "1 2", 1},
      {"all white space kinds", " \t\n\v\f\r9", 9},
      {"other control byte is no space", "\x01" "9", 0},
      {"full-width digits", "３６００", 3600},
      {"full-width minus", "－１２", -12},
      {"full-width plus", "＋１２", 12},
      {"ideographic space", "\xA1\xA1" "１２", 12},
      {"full-width full stop", "１．５", 1},
      {"mixed widths", "1２3", 123},
      {"largest", "2147483647", 2147483647},
      {"wraps to smallest", "2147483648", INT32_MIN},
      {"wraps to -1", "4294967295", -1},
      {"wraps to 0", "4294967296", 0},
      {"negative smallest", "-2147483648", INT32_MIN},
      {"negative wraps", "-2147483649", 2147483647},
      {"leading zeros", "007x", 7},
      {"lone lead byte", "\x81", 0},
      {"digits then lone lead byte", "12\xB0", 12},
      {"minus, ideographic space, full-width 5", "-\xA1\xA1" "５", 0},
      {"other double-byte character stops", "1设2", 1},
      {"double-byte character with digit trail byte", "\x81" "1" "2", 0},
      {"star is no digit", "\xA1\xEE" "1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ToInt(c.text), c.expected) << c.name << ": [" << c.text << "]";
}

TEST(TextToInt, FoldsFullWidthFormsToAscii) {
  const struct {
    std::string text;
    std::string folded;
  } cases[] = {
      {"０１２３４５６７８９", "0123456789"},
      {"\xA3\xA1", "!"},
      {"\xA3\xFE", "~"},
      {"\xA1\xA1", " "},
      {"\xA1\xAB", "~"},
      {"\xA1\xEE\xA1\xEF", "**"},
      {"设置", "设置"},
      {"\xA3\xA0", "\xA3\xA0"},
      {"a\xA3", "a"},
      {"\xA3", ""},
  };
  for (const auto& c : cases) {
    Text folded = FoldFullWidth(c.text.data(), c.text.size());
    EXPECT_EQ(std::string(folded.c_str(), folded.size()), c.folded) << c.text;
  }
}

TEST(TextToInt, StopsAtTheGivenSizeNotAtANul) {
  const char bytes[] = {'1', '2', '3'};
  EXPECT_EQ(TextToInt(bytes, 2), 12);
  const char withNul[] = {'4', '\0', '5'};
  EXPECT_EQ(TextToInt(withNul, 3), 4);
}

TEST(IntToText, WritesPlainSignedDecimal) {
  const struct {
    int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"}, {5, "5"}, {-5, "-5"}, {90, "90"}, {1000000, "1000000"},
      {2147483647, "2147483647"}, {INT32_MIN, "-2147483648"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToText(c.value), c.text) << c.value;
}

TEST(IntToText, RoundTripGivesTheCanonicalForm) {
  const struct {
    std::string stored;
    std::string canonical;
  } cases[] = {
      {"007x", "7"}, {"+0", "0"}, {"-0", "0"}, {"４５", "45"}, {"", "0"}, {" -12 ", "-12"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToText(ToInt(c.stored)), c.canonical) << c.stored;
  for (int32_t n : {INT32_MIN, -1, 0, 1, 59, 3600, INT32_MAX}) EXPECT_EQ(ToInt(ToText(n)), n);
}

}  // namespace
