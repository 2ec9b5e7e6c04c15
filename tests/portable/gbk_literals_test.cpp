// The build turns the UTF-8 sources' narrow literals into GBK bytes.
#include <gtest/gtest.h>

#include <string>

#include "power/action_type.h"

namespace {

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : bytes) {
    if (!hex.empty()) hex += ' ';
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

TEST(GbkLiterals, AreCompiledToCodePage936) {
  EXPECT_EQ(Hex("设置"), "C9 E8 D6 C3");
  EXPECT_EQ(Hex("倒计时："), "B5 B9 BC C6 CA B1 A3 BA");
  EXPECT_EQ(Hex("３"), "A3 B3");
}

TEST(GbkLiterals, ReachTheProgramsOwnTexts) {
  // The names come from another translation unit: the library was built with the same charset.
  EXPECT_EQ(Hex(ActionName(1).c_str()), "B9 D8 B1 D5 CF B5 CD B3");
}

}  // namespace
