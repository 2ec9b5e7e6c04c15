// wide_text.h: GBK texts across the boundary to the wide Win32 functions.
//
// The program keeps its texts in code page 936 whatever the system's ANSI code
// page is, so they are converted with 936 named explicitly: the ANSI functions
// would show them garbled on a Windows of any other language.
#pragma once

#include "text/text.h"

constexpr unsigned kTextCodePage = 936;

WideText ToWide(const char* gbk, size_t size);
inline WideText ToWide(const Text& gbk) { return ToWide(gbk.c_str(), gbk.size()); }
Text FromWide(const wchar_t* utf16, size_t size);
