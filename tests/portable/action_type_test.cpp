// The action-type bits and the names the countdown label shows.
#include <gtest/gtest.h>

#include <string>

#include "power/action_type.h"

namespace {

TEST(ActionType, NameFollowsTheBitsRestartWinning) {
  const struct {
    ActionType type;
    const char* name;
  } cases[] = {
      {0, "注销用户"}, {1, "关闭系统"}, {2, "重启系统"}, {3, "重启系统"},
      {4, "注销用户"}, {5, "关闭系统"}, {6, "重启系统"}, {7, "重启系统"},
      {8, "注销用户"}, {9, "关闭系统"}, {-1, "重启系统"}, {INT32_MIN, "注销用户"},
  };
  for (const auto& c : cases) EXPECT_STREQ(ActionName(c.type).c_str(), c.name) << c.type;
}

TEST(ActionType, ControlsGiveOneOfSixValues) {
  const struct {
    bool shutDown, restart, force;
    ActionType type;
  } cases[] = {
      {false, false, false, 0}, {true, false, false, 1}, {false, true, false, 2},
      {false, false, true, 4},  {true, false, true, 5},  {false, true, true, 6},
      // Both checked cannot come from clicks, only from code; shut down is read first.
      {true, true, false, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ActionTypeOf(c.shutDown, c.restart, c.force), c.type) << c.shutDown << c.restart << c.force;
}

}  // namespace
