// text.h: the program's owned strings.
//
// Texts are byte strings in code page 936 (GBK); WideText holds UTF-16 for the
// wide Win32 functions. Both are kept on the C heap rather than in std::string,
// which would link the C++ runtime's exception and locale machinery into the exe.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>

template <class Char>
class BasicText {
 public:
  BasicText() = default;
  BasicText(const Char* s) { Append(s, Length(s)); }
  BasicText(const Char* s, size_t n) { Append(s, n); }
  BasicText(BasicText&& other) noexcept { Swap(other); }
  BasicText& operator=(BasicText&& other) noexcept {
    BasicText(static_cast<BasicText&&>(other)).Swap(*this);
    return *this;
  }
  BasicText(const BasicText&) = delete;
  BasicText& operator=(const BasicText&) = delete;
  ~BasicText() { std::free(data_); }

  // Never null: an empty text reads as "".
  const Char* c_str() const { return data_ ? data_ : Empty(); }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  BasicText& Append(const Char* s, size_t n) {
    if (n == 0) return *this;
    Reserve(size_ + n);
    std::memcpy(data_ + size_, s, n * sizeof(Char));
    size_ += n;
    data_[size_] = Char();
    return *this;
  }
  BasicText& Append(const BasicText& t) { return Append(t.c_str(), t.size()); }

  // A writable buffer of n characters plus the terminator, for Win32 calls that
  // fill one; Resize() then fixes the length they report.
  Char* Buffer(size_t n) {
    Reserve(n);
    data_[n] = Char();
    return data_;
  }
  void Resize(size_t n) {
    Reserve(n);
    size_ = n;
    data_[n] = Char();
  }

  bool operator==(const BasicText& other) const {
    return size_ == other.size_ &&
           (size_ == 0 || std::memcmp(data_, other.data_, size_ * sizeof(Char)) == 0);
  }

 private:
  static const Char* Empty() {
    static const Char empty[1] = {};
    return empty;
  }
  static size_t Length(const Char* s) {
    size_t n = 0;
    if (s)
      while (s[n]) ++n;
    return n;
  }
  void Reserve(size_t n) {
    if (n < capacity_) return;
    size_t capacity = capacity_ * 2 > n + 1 ? capacity_ * 2 : n + 1;
    auto* grown = static_cast<Char*>(std::realloc(data_, capacity * sizeof(Char)));
    if (!grown) std::abort();  // out of memory: no way to go on safely
    if (!data_) grown[0] = Char();
    data_ = grown;
    capacity_ = capacity;
  }
  void Swap(BasicText& other) {
    Char* d = data_; data_ = other.data_; other.data_ = d;
    size_t s = size_; size_ = other.size_; other.size_ = s;
    size_t c = capacity_; capacity_ = other.capacity_; other.capacity_ = c;
  }

  Char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

using Text = BasicText<char>;
using WideText = BasicText<wchar_t>;

// Joins two texts into a new one.
inline Text operator+(Text left, const Text& right) {
  left.Append(right);
  return left;
}
