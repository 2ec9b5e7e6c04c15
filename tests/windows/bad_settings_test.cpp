// Malformed settings files: the window opens showing what the loading rules
// give, nothing crashes, and closing the window writes the four keys wherever
// the file can be written, leaving the rest of it in place.
#include "settings_fixture.h"

#include "text/conversion.h"

namespace {

std::string Profile(const char* section, const char* key) {
  static char value[10240];
  DWORD n = GetPrivateProfileStringA(section, key, "", value, sizeof value, IniPath().c_str());
  return std::string(value, n);
}

// What the window should show for a stored time, by the loading rules.
std::string ShownTime(const std::string& stored) {
  int32_t n = TextToInt(stored.c_str(), stored.size());
  return IntToText(n < 1 ? 0 : n).c_str();
}

std::string Utf16(const std::wstring& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t c : text) {
    char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

const std::string kMarker = "[其他]\r\nx=1\r\n";
const std::string kMegabyte(1 << 20, '9');

struct BadFile {
  const char* name;
  std::string bytes;
  // Explicit expectations: the radio and check box ("注销", "重启+强制", ...) and
  // the three boxes. Empty: the case's expectation is what the system's profile
  // reader gives for it, run through the loading rules.
  std::string shown, hours, minutes, seconds;
  bool markerKept = true;  // the [其他] section survives the save
};

using BadSettings = SettingsWindowTest;

TEST_F(BadSettings, OpenShowingWhatTheRulesGiveAndSaveTheFourKeys) {
  std::string manySections;
  for (int i = 0; i < 5000; ++i) manySections += "[s" + std::to_string(i) + "]\r\nk=v\r\n";
  const BadFile cases[] = {
      {"empty file", "", "注销", "0", "0", "0", false},
      {"keys outside any section", "类型=1\r\n小时=2\r\n" + kMarker, "注销", "0", "0", "0"},
      {"binary bytes and NULs", kMarker + std::string("\x00\x01\xFF\xFE\x80\x00[设置]\r\n小时=3\r\n", 16)},
      {"NUL inside a value", kMarker + std::string("[设置]\r\n小时=1\x00" "2\r\n", 17)},
      {"section twice", kMarker + "[设置]\r\n小时=1\r\n[设置]\r\n小时=2\r\n分钟=3\r\n"},
      {"key twice", kMarker + "[设置]\r\n秒钟=8\r\n秒钟=9\r\n", "注销", "0", "0", "8"},
      {"key without =", kMarker + "[设置]\r\n小时\r\n分钟=5\r\n", "注销", "0", "5", "0"},
      {"section without ]", kMarker + "[设置\r\n小时=6\r\n"},
      {"value of 1 MB", kMarker + "[设置]\r\n秒钟=" + kMegabyte + "\r\n小时=2\r\n"},
      {"comment line of 1 MB", kMarker + ";" + kMegabyte + "\r\n[设置]\r\n秒钟=7\r\n", "注销", "0", "0", "7"},
      {"5000 sections first", kMarker + manySections + "[设置]\r\n类型=2\r\n", "重启", "0", "0", "0"},
      // Spelled out in bytes: narrow literals here are GBK, this file is UTF-8.
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" "[\xE5\x85\xB6\xE4\xBB\x96]\r\nx=1\r\n[\xE8\xAE\xBE\xE7\xBD\xAE]\r\n\xE5\xB0\x8F\xE6\x97\xB6=4\r\n"},
      {"UTF-16 LE with a byte-order mark", Utf16(L"[其他]\r\nx=1\r\n[设置]\r\n小时=4\r\n类型=5\r\n", false)},
      {"UTF-16 BE with a byte-order mark", Utf16(L"[其他]\r\nx=1\r\n[设置]\r\n分钟=6\r\n", true)},
      {"line feeds only", kMarker + "[设置]\n类型=4\n秒钟=30\n", "注销+强制", "0", "0", "30"},
      {"carriage returns only", kMarker + "[设置]\r类型=1\r秒钟=30\r"},
      {"spaces and tabs around", kMarker + "  [设置]  \r\n\t分钟 \t=  12  \r\n", "注销", "0", "12", "0"},
      {"bytes that are no GBK", kMarker + "[设置]\r\n小时=\xFF\xFF\r\n类型=\xA3\r\n", "注销", "0", "0", "0"},
      {"lone lead byte at the end", kMarker + "[设置]\r\n秒钟=5\x81", "注销", "0", "0", "5"},
      {"numbers that wrap", kMarker + "[设置]\r\n小时=-2147483649\r\n分钟=4294967297\r\n类型=4294967298\r\n", "重启",
       "2147483647", "1", "0"},
      {"huge type", kMarker + "[设置]\r\n类型=99999999999999999999\r\n"},
      {"full-width everything", kMarker + "[设置]\r\n类型＝１\r\n秒钟=　－５\r\n小时=＋３\r\n", "注销", "3", "0", "0"},
  };
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.name);
    RemoveIni();
    WriteIni(c.bytes);
    std::string hours = c.hours, minutes = c.minutes, seconds = c.seconds, shown = c.shown;
    if (shown.empty()) {
      hours = ShownTime(Profile("设置", "小时"));
      minutes = ShownTime(Profile("设置", "分钟"));
      seconds = ShownTime(Profile("设置", "秒钟"));
    }
    ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
    if (!c.shown.empty()) EXPECT_EQ(ShownChoice(), c.shown);
    EXPECT_EQ(ContentOf(编辑框_时), hours);
    EXPECT_EQ(ContentOf(编辑框_分), minutes);
    EXPECT_EQ(ContentOf(编辑框_秒), seconds);

    SetContent(编辑框_时, "11");
    SetContent(编辑框_分, "22");
    SetContent(编辑框_秒, "33");
    SendMessageW(Hwnd(单选框_关机), BM_CLICK, 0, 0);
    std::string type = GetChecked(选择框_强制终止) ? "5" : "1";
    ASSERT_NO_FATAL_FAILURE(CloseWindow());
    EXPECT_EQ(Profile("设置", "小时"), "11");
    EXPECT_EQ(Profile("设置", "分钟"), "22");
    EXPECT_EQ(Profile("设置", "秒钟"), "33");
    EXPECT_EQ(Profile("设置", "类型"), type);
    if (c.markerKept) EXPECT_EQ(Profile("其他", "x"), "1");
  }
}

TEST_F(BadSettings, AFileHeldOpenByAnotherProcessLoadsAsDefaultsAndIsLeftAlone) {
  const std::string bytes = "[设置]\r\n类型=1\r\n秒钟=9\r\n";
  WriteIni(bytes);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "RudivAdodavuvHoldReady");
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "RudivAdodavuvHoldRelease");
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string command = std::string("\"") + exe + "\" --hold-file \"" + IniPath() + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION holder{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &holder));
  ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);

  ASSERT_NO_FATAL_FAILURE(OpenWithSettings());
  EXPECT_EQ(ShownChoice(), "注销");
  EXPECT_EQ(ContentOf(编辑框_秒), "0");
  ASSERT_NO_FATAL_FAILURE(CloseWindow());

  SetEvent(release);
  EXPECT_EQ(WaitForSingleObject(holder.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(holder.hProcess);
  CloseHandle(holder.hThread);
  CloseHandle(ready);
  CloseHandle(release);
  EXPECT_EQ(ReadIni(), bytes);
}

}  // namespace
