// settings_file.h: the settings file beside the test exe, read and written as bytes.
#pragma once

#include <string>

std::string IniPath();
std::string ReadIni();  // "" when there is no file
void WriteIni(const std::string& bytes);
void RemoveIni();       // the file, or a folder standing in its place
