#pragma once
// Items of an entered line: the reader that splits a stored line into items (commas,
// quotes, spaces, line ends) and the conversion of a number item to an integer.
// Pure logic: no I/O, no locale.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlar {

enum class ItemKind { Number, Text };

struct Item {
  std::string bytes;
  bool floating = false;  // holds ".", "E", "e", "D" or "d" ahead of any "&"
};

inline constexpr std::size_t kNumberItemLimit = 67;
inline constexpr std::size_t kTextItemLimit = 4096;

// A stored line and the read position into it; each item read advances the position.
class ItemReader {
 public:
  ItemReader() = default;
  explicit ItemReader(std::string line) : line_(std::move(line)) {}

  // The next item, at most limit bytes; an item ending at a comma or line end consumes it.
  Item nextItem(std::size_t limit, ItemKind kind);
  int32_t readInt() { return numberValue(nextItem(kNumberItemLimit, ItemKind::Number)); }
  std::string readText() { return nextItem(kTextItemLimit, ItemKind::Text).bytes; }

  std::size_t position() const { return pos_; }

  // The integer an item stands for (0 when it holds no number).
  static int32_t numberValue(const Item& item);

 private:
  void skipBlanks();
  void consumeOneSeparator();

  std::string line_;
  std::size_t pos_ = 0;
};

// Decimal floating-point text rounded to the nearest integer, ties to even;
// -2147483648 when the rounded value lies outside the 32-bit range.
int32_t roundedDecimal(std::string_view bytes);
// "&H", "&O", "&B" or "&" followed by octal digits, held in 32 bits (wrapping).
int32_t prefixedInteger(std::string_view bytes);
// Optional sign and decimal digits as an unsigned 32-bit value, negated modulo 2^32
// after a minus; a magnitude above 4294967295 gives 4294967295 (-1), with or without
// a minus, as the native C runtime's unsigned conversion reports an overflow.
int32_t decimalInteger(std::string_view bytes);

}  // namespace zemlar
