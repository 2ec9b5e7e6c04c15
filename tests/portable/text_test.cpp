// The owned text type, under ASan natively: growth, moves and fill buffers.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/text.h"

namespace {

TEST(Text, EmptyTextsReadAsTheEmptyString) {
  Text empty;
  EXPECT_STREQ(empty.c_str(), "");
  EXPECT_TRUE(empty.empty());
  EXPECT_STREQ(Text(nullptr).c_str(), "");
  EXPECT_TRUE(Text("") == Text());
}

TEST(Text, GrowsByAppendingAndKeepsEmbeddedNuls) {
  Text text("倒计时：");
  for (int i = 0; i < 1000; ++i) text.Append("9", 1);
  EXPECT_EQ(text.size(), 8u + 1000u);
  EXPECT_EQ(std::string(text.c_str(), 8), "倒计时：");
  Text bytes("a\0b", 3);
  EXPECT_EQ(bytes.size(), 3u);
  EXPECT_EQ(std::string(bytes.c_str(), 3), std::string("a\0b", 3));
  EXPECT_STREQ((Text("12") + Text(" 秒后")).c_str(), "12 秒后");
}

TEST(Text, MovesLeaveTheSourceEmpty) {
  Text a("设置");
  Text b(std::move(a));
  EXPECT_STREQ(b.c_str(), "设置");
  EXPECT_TRUE(a.empty());
  EXPECT_STREQ(a.c_str(), "");
  a = std::move(b);
  EXPECT_STREQ(a.c_str(), "设置");
  a = Text("x");
  EXPECT_STREQ(a.c_str(), "x");
}

TEST(Text, BufferThenResizeTakesWhatAFillerWrote) {
  WideText wide;
  wchar_t* buffer = wide.Buffer(5);
  buffer[0] = L'1';
  buffer[1] = L'2';
  wide.Resize(2);
  EXPECT_EQ(std::wstring(wide.c_str()), L"12");
  wide.Resize(0);
  EXPECT_TRUE(wide.empty());
  EXPECT_EQ(wide.c_str()[0], L'\0');
}

}  // namespace
