// conversion.h: the only conversions between texts and numbers.
#pragma once

#include <cstdint>

#include "text/text.h"

// Reads a GBK text as a decimal number, full-width forms folded to ASCII first.
// Never fails: a text that holds no number gives 0. Overflow wraps modulo 2^32.
int32_t TextToInt(const char* bytes, size_t size);
inline int32_t TextToInt(const Text& text) { return TextToInt(text.c_str(), text.size()); }

// Plain signed decimal, as wsprintfA writes "%d". Never empty.
Text IntToText(int32_t value);

// Step 1 of TextToInt, exposed for tests: full-width characters folded to
// half-width, every other byte or double-byte character kept as it is.
Text FoldFullWidth(const char* bytes, size_t size);
