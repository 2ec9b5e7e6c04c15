// settings_file.cpp: the settings file beside the test exe.
#include "settings_file.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "app/run_directory.h"

std::string IniPath() { return std::string(GetRunDirectory().c_str()) + "\\RudivAdodavuv.ini"; }

std::string ReadIni() {
  std::ifstream in(IniPath(), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteIni(const std::string& bytes) { std::ofstream(IniPath(), std::ios::binary) << bytes; }

void RemoveIni() {
  SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(IniPath().c_str());
  DeleteFileA(IniPath().c_str());
}
