// The real exe's resources: version block, manifest and icon sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "ui/config.h"

namespace {

// The built exe, by its path on Wine's Z: drive.
std::wstring ExePath() {
  std::wstring path = L"Z:" RUDIV_EXE_UNIX_PATH;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring VersionString(const std::string& block, const wchar_t* name) {
  wchar_t query[128];
  wsprintfW(query, L"\\StringFileInfo\\080404B0\\%s", name);
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &length) || !value) return L"<none>";
  return value;
}

TEST(Resources, VersionBlockNamesTheProgramAndItsVersion) {
  std::wstring exe = ExePath();
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
  ASSERT_GT(size, 0u) << "no version block in the exe";
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));
  EXPECT_EQ(VersionString(block, L"FileDescription"), L"倒计时关机");
  EXPECT_EQ(VersionString(block, L"ProductName"), L"倒计时关机");
  EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"RudivAdodavuv.exe");
  std::wstring version;
  for (const char* p = RUDIV_VERSION_TEXT; *p; ++p) version += static_cast<wchar_t>(*p);
  EXPECT_EQ(VersionString(block, L"FileVersion"), version);
  EXPECT_EQ(VersionString(block, L"ProductVersion"), version);

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  wchar_t quad[64];
  wsprintfW(quad, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
            HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(std::wstring(quad), version);
}

class ExeImage : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(module_);
  }
  void TearDown() override { FreeLibrary(module_); }
  std::string Resource(LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module_, found));
  }
  HMODULE module_ = nullptr;
};

TEST_F(ExeImage, ManifestRunsAsInvokerWithCommonControls6OnWindows7To11) {
  std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                         "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(os), std::string::npos) << os;
}

TEST_F(ExeImage, IconHasItsFourSizes) {
  std::string group = Resource(L"DEFAULT_ICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_GE(group.size(), 6u);
  int count = static_cast<unsigned char>(group[4]) | static_cast<unsigned char>(group[5]) << 8;
  std::set<int> sizes;
  for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i) {
    int width = static_cast<unsigned char>(group[6 + 14 * i]);
    sizes.insert(width == 0 ? 256 : width);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
}

}  // namespace
