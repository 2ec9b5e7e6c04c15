// settings.cpp: loading and saving the choices through the private-profile functions.
#include "settings/settings.h"

#include <windows.h>

#include "app/run_directory.h"
#include "power/action_type_controls.h"
#include "text/conversion.h"
#include "ui/window_operations.h"

namespace {

constexpr char kFileName[] = "\\RudivAdodavuv.ini";
constexpr char kSection[] = "设置";
constexpr char kTypeKey[] = "类型";
constexpr DWORD kValueBufferSize = 10240;

struct TimeField {
  const char* key;
  Control box;
};
constexpr TimeField kTimeFields[] = {{"小时", 编辑框_时}, {"分钟", 编辑框_分}, {"秒钟", 编辑框_秒}};

Text SettingsPath;

// A missing file, section or key, or an empty value, reads as the empty text.
Text ReadItem(const char* key) {
  Text value;
  DWORD length = GetPrivateProfileStringA(kSection, key, "", value.Buffer(kValueBufferSize), kValueBufferSize,
                                          SettingsPath.c_str());
  value.Resize(length < kValueBufferSize ? length : 0);
  return value;
}

// A failed write (read-only folder) is not reported: the program goes on.
void WriteItem(const char* key, const Text& value) {
  WritePrivateProfileStringA(kSection, key, value.c_str(), SettingsPath.c_str());
}

// Time values are never kept below 0.
int32_t NotBelowZero(int32_t value) { return value < 1 ? 0 : value; }

}  // namespace

void OnWindowCreated() {
  SettingsPath = GetRunDirectory() + kFileName;
  LoadSettings();
}

Verdict OnWindowCloseQuery() {
  SaveSettings();
  return Verdict::None;
}

void LoadSettings() {
  ShowActionType(TextToInt(ReadItem(kTypeKey)));
  for (const TimeField& field : kTimeFields)
    SetContent(field.box, IntToText(NotBelowZero(TextToInt(ReadItem(field.key)))));
}

void SaveSettings() {
  WriteItem(kTypeKey, IntToText(ActionTypeFromControls()));
  for (const TimeField& field : kTimeFields)
    WriteItem(field.key, IntToText(NotBelowZero(TextToInt(GetContent(field.box)))));
}

void ReleaseSettingsPath() { SettingsPath = Text(); }

const char* SettingsPathText() { return SettingsPath.c_str(); }
