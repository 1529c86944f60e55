#include "rt/item_reader.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zemlar {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The white space of the C locale, which the native conversions skip.
bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutLeading(std::string_view bytes, bool (*skip)(char)) {
  while (!bytes.empty() && skip(bytes.front())) bytes.remove_prefix(1);
  return bytes;
}

}  // namespace

void ItemReader::skipBlanks() {
  while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
}

// After an item that did not end at a comma or a line end: one of these still belongs to it.
void ItemReader::consumeOneSeparator() {
  skipBlanks();
  if (pos_ >= line_.size()) return;
  const char c = line_[pos_];
  if (c == ',' || c == '\n') {
    ++pos_;
  } else if (c == '\r') {
    ++pos_;
    if (pos_ < line_.size() && line_[pos_] == '\n') ++pos_;
  }
}

Item ItemReader::nextItem(std::size_t limit, ItemKind kind) {
  Item item;
  const bool textItem = kind == ItemKind::Text;
  bool quoted = false;
  bool prefixMark = false;
  skipBlanks();
  while (pos_ < line_.size()) {
    char c = line_[pos_];
    if (c == '\n') {
      ++pos_;
      return item;
    }
    if (c == '\r') {
      ++pos_;
      if (pos_ < line_.size() && line_[pos_] == '\n') ++pos_;
      return item;
    }
    if (c == ',' && !quoted) {
      ++pos_;
      return item;
    }
    if (isBlank(c) && !quoted && !textItem) break;
    if (c == '"' && (quoted || item.bytes.empty())) {
      ++pos_;
      quoted = !quoted;
      if (!quoted && textItem) break;
      continue;
    }
    if (c == '&') prefixMark = true;
    if (!prefixMark) {
      if (c == '.' || c == 'E' || c == 'e') item.floating = true;
      if (c == 'D' || c == 'd') {
        item.floating = true;
        if (!textItem) c = c == 'D' ? 'E' : 'e';
      }
    }
    item.bytes.push_back(c);
    ++pos_;
    if (item.bytes.size() >= limit) break;
  }
  consumeOneSeparator();
  return item;
}

int32_t ItemReader::numberValue(const Item& item) {
  const std::string_view bytes = withoutLeading(item.bytes, [](char c) { return c == ' '; });
  if (bytes.empty()) return 0;
  if (item.floating) return roundedDecimal(bytes);
  if (bytes.size() >= 2 && bytes.front() == '&') return prefixedInteger(bytes);
  return decimalInteger(bytes);
}

namespace {

// The convertible start of a decimal number: sign, digits, point, fraction, exponent.
struct DecimalText {
  std::string normalised;  // without a "+" sign, ready for std::from_chars
  long long order = 0;     // decimal order of the first significant digit (for range errors)
  bool any = false;        // at least one mantissa digit
};

// Appends an exponent ("E" or "e", optional sign, digits) and returns its value;
// an "E" without digits is not part of the number.
long long appendExponent(std::string_view bytes, std::size_t i, std::string& out) {
  if (i >= bytes.size() || (bytes[i] != 'E' && bytes[i] != 'e')) return 0;
  std::size_t j = i + 1;
  const bool negative = j < bytes.size() && bytes[j] == '-';
  if (j < bytes.size() && (bytes[j] == '-' || bytes[j] == '+')) ++j;
  if (j >= bytes.size() || !isDigit(bytes[j])) return 0;
  out.append(negative ? "e-" : "e");
  long long value = 0;
  for (; j < bytes.size() && isDigit(bytes[j]); ++j) {
    out.push_back(bytes[j]);
    if (value < 1'000'000'000) value = value * 10 + (bytes[j] - '0');
  }
  return negative ? -value : value;
}

DecimalText scanDecimal(std::string_view bytes) {
  DecimalText d;
  std::size_t i = 0;
  if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) {
    if (bytes[i] == '-') d.normalised.push_back('-');
    ++i;
  }
  long long significantIntegerDigits = 0;
  long long leadingFractionZeros = 0;
  bool significant = false;
  for (; i < bytes.size() && isDigit(bytes[i]); ++i) {
    significant = significant || bytes[i] != '0';
    if (significant) ++significantIntegerDigits;
    d.normalised.push_back(bytes[i]);
    d.any = true;
  }
  if (i < bytes.size() && bytes[i] == '.') {
    d.normalised.push_back('.');
    for (++i; i < bytes.size() && isDigit(bytes[i]); ++i) {
      significant = significant || bytes[i] != '0';
      if (!significant) ++leadingFractionZeros;
      d.normalised.push_back(bytes[i]);
      d.any = true;
    }
  }
  const long long exponent = appendExponent(bytes, i, d.normalised);
  d.order = (significantIntegerDigits > 0 ? significantIntegerDigits : -leadingFractionZeros) +
            exponent;
  return d;
}

double roundHalfToEven(double v) {
  const double below = std::floor(v);
  const double fraction = v - below;
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

int32_t roundedDecimal(std::string_view bytes) {
  constexpr int32_t kOutOfRange = std::numeric_limits<int32_t>::min();
  const DecimalText d = scanDecimal(withoutLeading(bytes, isWhiteSpace));
  if (!d.any) return 0;
  double value = 0;
  const char* first = d.normalised.data();
  const auto [end, error] = std::from_chars(first, first + d.normalised.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) return d.order > 0 ? kOutOfRange : 0;
  if (error != std::errc{}) return 0;
  const double rounded = roundHalfToEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return kOutOfRange;
  return static_cast<int32_t>(rounded);
}

int32_t prefixedInteger(std::string_view bytes) {
  if (bytes.size() < 2 || bytes.front() != '&') return 0;
  unsigned base = 8;
  std::size_t i = 1;
  switch (bytes[1]) {
    case 'H': case 'h': base = 16; i = 2; break;
    case 'O': case 'o': base = 8; i = 2; break;
    case 'B': case 'b': base = 2; i = 2; break;
    default: break;  // octal digits right after the "&"
  }
  uint32_t value = 0;
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    unsigned digit = 99;
    if (isDigit(c)) digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    if (digit >= base) break;
    value = value * base + digit;  // wraps modulo 2^32
  }
  return static_cast<int32_t>(value);
}

int32_t decimalInteger(std::string_view bytes) {
  bytes = withoutLeading(bytes, isWhiteSpace);
  const bool negative = !bytes.empty() && bytes.front() == '-';
  if (!bytes.empty() && (bytes.front() == '-' || bytes.front() == '+')) bytes.remove_prefix(1);
  uint64_t magnitude = 0;
  for (std::size_t i = 0; i < bytes.size() && isDigit(bytes[i]); ++i) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(bytes[i] - '0');
    if (magnitude > 0xFFFFFFFFull) return -1;  // the overflow value 4294967295
  }
  uint32_t value = static_cast<uint32_t>(magnitude);
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

}  // namespace zemlar
