// The portable rules checked against Windows' own definitions.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <random>

#include "power/action_type.h"
#include "text/conversion.h"

namespace {

TEST(IntToTextOnWindows, MatchesWsprintf) {
  std::mt19937 random(12345);
  int32_t fixed[] = {0, 1, -1, 9, 10, -10, 99, 100, INT32_MAX, INT32_MIN, INT32_MIN + 1, 1800, -3600};
  auto check = [](int32_t n) {
    char expected[16];
    wsprintfA(expected, "%d", n);
    EXPECT_STREQ(IntToText(n).c_str(), expected) << n;
  };
  for (int32_t n : fixed) check(n);
  for (int i = 0; i < 10000; ++i) check(static_cast<int32_t>(random()));
}

TEST(ActionTypeOnWindows, BitsAreTheExitWindowsExFlags) {
  EXPECT_EQ(kLogOff, EWX_LOGOFF);
  EXPECT_EQ(kShutDown, EWX_SHUTDOWN);
  EXPECT_EQ(kRestart, EWX_REBOOT);
  EXPECT_EQ(kForce, EWX_FORCE);
}

}  // namespace
