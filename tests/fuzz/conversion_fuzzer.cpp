// Feeds arbitrary bytes to TextToInt; ASan and UBSan catch any read past the end
// or undefined arithmetic. Every number must survive IntToText and back.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size heap copy, so ASan sees a read one byte past the input.
  char* bytes = static_cast<char*>(std::malloc(size ? size : 1));
  if (size) std::memcpy(bytes, data, size);
  int32_t n = TextToInt(bytes, size);
  std::free(bytes);

  Text text = IntToText(n);
  if (text.empty() || TextToInt(text) != n) std::abort();

  // Folding only ever shortens a text.
  Text folded = FoldFullWidth(reinterpret_cast<const char*>(data), size);
  if (folded.size() > size) std::abort();
  return 0;
}
