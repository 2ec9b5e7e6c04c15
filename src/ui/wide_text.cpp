// wide_text.cpp: code page 936 <-> UTF-16.
#include "ui/wide_text.h"

#include <windows.h>

WideText ToWide(const char* gbk, size_t size) {
  WideText wide;
  if (size == 0 || size > 0x7FFFFFFF) return wide;
  int n = MultiByteToWideChar(kTextCodePage, 0, gbk, static_cast<int>(size), nullptr, 0);
  if (n <= 0) return wide;
  n = MultiByteToWideChar(kTextCodePage, 0, gbk, static_cast<int>(size), wide.Buffer(n), n);
  wide.Resize(n > 0 ? n : 0);
  return wide;
}

Text FromWide(const wchar_t* utf16, size_t size) {
  Text gbk;
  if (size == 0 || size > 0x7FFFFFFF) return gbk;
  int n = WideCharToMultiByte(kTextCodePage, 0, utf16, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return gbk;
  n = WideCharToMultiByte(kTextCodePage, 0, utf16, static_cast<int>(size), gbk.Buffer(n), n, nullptr, nullptr);
  gbk.Resize(n > 0 ? n : 0);
  return gbk;
}
