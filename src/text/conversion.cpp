// conversion.cpp: TextToInt and IntToText.
#include "text/conversion.h"

namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// The half-width byte for a GBK double-byte character, or 0 when it has none.
char HalfWidthOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
    // A3A1..A3FE are the full-width forms of 0x21..0x7E.
    return static_cast<char>(trail & 0x7F);
  }
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1: return ' ';  // ideographic space
      case 0xAB: return '~';  // full-width tilde
      case 0xEE:              // white star
      case 0xEF: return '*';  // black star
    }
  }
  return 0;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

Text FoldFullWidth(const char* bytes, size_t size) {
  Text folded;
  for (size_t i = 0; i < size;) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (!IsLeadByte(b)) {
      folded.Append(bytes + i, 1);
      i += 1;
      continue;
    }
    if (i + 1 == size) break;  // a lead byte with no trail byte is dropped
    char half = HalfWidthOf(b, static_cast<unsigned char>(bytes[i + 1]));
    if (half)
      folded.Append(&half, 1);
    else
      folded.Append(bytes + i, 2);
    i += 2;
  }
  return folded;
}

int32_t TextToInt(const char* bytes, size_t size) {
  Text folded = FoldFullWidth(bytes, size);
  const char* p = folded.c_str();
  const char* end = p + folded.size();

  while (p < end && IsSpace(*p)) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

  // Unsigned arithmetic gives the modulo-2^32 wrap without undefined behaviour.
  uint32_t value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) value = value * 10u + static_cast<uint32_t>(*p - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text IntToText(int32_t value) {
  char digits[12];
  char* p = digits + sizeof digits;
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10u);
    magnitude /= 10u;
  } while (magnitude);
  if (value < 0) *--p = '-';
  return Text(p, static_cast<size_t>(digits + sizeof digits - p));
}
