// The settings file beside the exe, through the real profile functions: what the
// window shows for what is stored, and what closing the window stores.
#include "settings_fixture.h"

#include "text/conversion.h"

namespace {

using Settings = SettingsWindowTest;

TEST_F(Settings, NoFileShowsLogOffAndZerosAndClosingWritesTheFourKeys) {
  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  EXPECT_EQ(SettingsPathText(), IniPath());
  EXPECT_EQ(ShownChoice(), "注销");
  for (Control box : {编辑框_时, 编辑框_分, 编辑框_秒}) EXPECT_EQ(ContentOf(box), "0") << box;

  SetChecked(单选框_注销, false);
  SetChecked(单选框_关机, true);
  SetContent(编辑框_分, "30");
  ASSERT_NO_FATAL_FAILURE(CloseWindow());
  EXPECT_EQ(ReadIni(), "[设置]\r\n类型=1\r\n小时=0\r\n分钟=30\r\n秒钟=0\r\n");
}

TEST_F(Settings, StoredValuesShowByTheConversionRules) {
  const std::string longValue(12000, '7');
  const struct {
    const char* name;
    std::string file;
    std::string shown;
    std::string hours, minutes, seconds;
  } cases[] = {
      {"negative hours, letters, plain", "[设置]\r\n小时=-5\r\n分钟=abc\r\n秒钟=45\r\n", "注销", "0", "0", "45"},
      {"full-width, leading zeros", "[设置]\r\n小时=007x\r\n秒钟=４５\r\n", "注销", "7", "0", "45"},
      {"restart forced", "[设置]\r\n类型=6\r\n", "重启+强制", "0", "0", "0"},
      {"type of letters", "[设置]\r\n类型=abc\r\n", "注销", "0", "0", "0"},
      {"both bits: restart wins", "[设置]\r\n类型=3\r\n", "重启", "0", "0", "0"},
      {"all bits", "[设置]\r\n类型=7\r\n", "重启+强制", "0", "0", "0"},
      {"log off forced", "[设置]\r\n类型=4\r\n", "注销+强制", "0", "0", "0"},
      {"higher bits ignored", "[设置]\r\n类型=9\r\n", "关机", "0", "0", "0"},
      {"negative type", "[设置]\r\n类型=-1\r\n", "重启+强制", "0", "0", "0"},
      {"other section only", "[其他]\r\n类型=1\r\n小时=3\r\n", "注销", "0", "0", "0"},
      {"spaces around", "[设置]\r\n小时 = 12 \r\n", "注销", "12", "0", "0"},
      {"value past the buffer", "[设置]\r\n小时=" + longValue + "\r\n秒钟=5\r\n", "注销",
       std::string(IntToText(TextToInt(longValue.substr(0, 10239).c_str(), 10239) < 1
                                 ? 0
                                 : TextToInt(longValue.substr(0, 10239).c_str(), 10239))
                       .c_str()),
       "0", "5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteIni(c.file);
    ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
    EXPECT_EQ(ShownChoice(), c.shown);
    EXPECT_EQ(ContentOf(编辑框_时), c.hours);
    EXPECT_EQ(ContentOf(编辑框_分), c.minutes);
    EXPECT_EQ(ContentOf(编辑框_秒), c.seconds);
    DiscardWindow();
  }
}

TEST_F(Settings, BoxContentsAreStoredInCanonicalFormNeverBelowZero) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {{"-3", "0"}, {"", "0"}, {"1.5", "1"}, {"１２", "12"}, {"2147483648", "0"}, {"0045", "45"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    DeleteFileA(IniPath().c_str());
    ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
    SetContent(编辑框_秒, c.typed);
    ASSERT_NO_FATAL_FAILURE(CloseWindow());
    EXPECT_EQ(ReadIni(), std::string("[设置]\r\n类型=0\r\n小时=0\r\n分钟=0\r\n秒钟=") + c.stored + "\r\n");
  }
}

TEST_F(Settings, EverySaveRewritesAllFourKeysAndLeavesTheRestAlone) {
  WriteIni("; kept\r\n[其他]\r\na=1\r\n[设置]\r\n秒钟=5\r\n备注=留着\r\n类型=2\r\n小时=1\r\n[尾]\r\nb=2\r\n");
  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  EXPECT_EQ(ShownChoice(), "重启");
  // Changed behind the window's back: the save puts the window's values back.
  WriteIni("; kept\r\n[其他]\r\na=1\r\n[设置]\r\n秒钟=9\r\n备注=留着\r\n类型=1\r\n小时=8\r\n[尾]\r\nb=2\r\n");
  ASSERT_NO_FATAL_FAILURE(CloseWindow());
  EXPECT_EQ(ReadIni(),
            "; kept\r\n[其他]\r\na=1\r\n[设置]\r\n秒钟=5\r\n备注=留着\r\n类型=2\r\n小时=1\r\n分钟=0\r\n[尾]\r\nb=2\r\n");
}

TEST_F(Settings, TheSessionEndQuestionSavesAndAnswersYes) {
  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  SetContent(编辑框_时, "2");
  EXPECT_EQ(SendMessageW(MainWindow(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(ReadIni(), "[设置]\r\n类型=0\r\n小时=2\r\n分钟=0\r\n秒钟=0\r\n");
  EXPECT_TRUE(IsWindow(MainWindow()));
}

TEST_F(Settings, AFileThatCannotBeWrittenIsIgnoredAndTheWindowStillCloses) {
  ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), nullptr));  // a folder where the file should be
  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  EXPECT_EQ(ShownChoice(), "注销");
  EXPECT_EQ(ContentOf(编辑框_秒), "0");
  SetContent(编辑框_秒, "5");
  ASSERT_NO_FATAL_FAILURE(CloseWindow());
  EXPECT_EQ(GetFileAttributesA(IniPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(Settings, TheExitRoutineReleasesThePath) {
  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  EXPECT_EQ(SettingsPathText(), IniPath());
  ReleaseSettingsPath();
  EXPECT_STREQ(SettingsPathText(), "");
}

}  // namespace
