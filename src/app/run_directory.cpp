// run_directory.cpp: the run directory, from the module's own file name.
#include "app/run_directory.h"

#include <windows.h>

namespace {

bool IsAnsiLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

}  // namespace

Text DirectoryOfPath(const char* path, size_t size, bool (*isLeadByte)(unsigned char)) {
  size_t cut = 0;
  for (size_t i = 0; i < size; ++i) {
    if (path[i] == '\\') cut = i;
    else if (isLeadByte(static_cast<unsigned char>(path[i]))) ++i;  // skip its trail byte
  }
  return Text(path, cut);
}

Text GetRunDirectory() {
  // MAX_PATH is enough but for long-path setups; a cut-off path would name the wrong folder.
  Text path;
  for (DWORD capacity = MAX_PATH; capacity <= 32768; capacity *= 2) {
    DWORD length = GetModuleFileNameA(nullptr, path.Buffer(capacity), capacity);
    if (length == 0) return Text();
    if (length < capacity) {
      path.Resize(length);
      break;
    }
  }
  return DirectoryOfPath(path.c_str(), path.size(), IsAnsiLeadByte);
}
