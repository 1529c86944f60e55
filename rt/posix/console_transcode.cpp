#include "rt/posix/console_transcode.hpp"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "rt/code_page_tables.hpp"

namespace zemlar::posix {

namespace {

constexpr int kUtf8CodePage = 65001;
constexpr int kGb18030CodePage = 54936;

// One character of a row: the cells (bytes) it takes and how the terminal shows it.
struct Glyph {
  int length = 1;
  std::string text;
  int width = 1;
};

Glyph unshown(int length) { return {length, std::string(1, kUnshownGlyph), 1}; }

// ---- UTF-8 ----

// The code point at the start of bytes and its length, or length 0 when the bytes
// do not start with a complete, well-formed UTF-8 character.
std::pair<char32_t, int> decodeUtf8(std::string_view bytes) {
  if (bytes.empty()) return {0, 0};
  const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return {lead, 1};
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {0, 0};
  }
  if (bytes.size() < static_cast<size_t>(length) || at(1) < low || at(1) > high) return {0, 0};
  char32_t codePoint = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((at(static_cast<size_t>(i)) & 0xC0) != 0x80) return {0, 0};
    codePoint = (codePoint << 6) | (at(static_cast<size_t>(i)) & 0x3F);
  }
  return {codePoint, length};
}

bool isControl(char32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F); }

// The glyph of a character already in UTF-8 that takes `length` cells.
Glyph glyphFromUtf8(std::string_view utf8, int length) {
  const auto [codePoint, decoded] = decodeUtf8(utf8);
  if (decoded == 0 || static_cast<size_t>(decoded) != utf8.size() || isControl(codePoint)) return unshown(length);
  return {length, std::string(utf8), terminalWidth(codePoint)};
}

Glyph utf8Glyph(std::string_view rest) {
  const int length = decodeUtf8(rest).second;
  if (length == 0) return unshown(1);
  return glyphFromUtf8(rest.substr(0, static_cast<size_t>(length)), length);
}

// ---- single-byte code pages ----

// The one use of the shared code page tables.
Glyph singleByteGlyph(unsigned char byte, int codePage) {
  const codepages::SingleByteTable* table = codepages::singleByteTable(codePage);
  if (table == nullptr) return unshown(1);
  const codepages::Utf8Entry& entry = (*table)[byte];
  if (entry.length == 0) return unshown(1);
  return glyphFromUtf8(entry.view(), 1);
}

// ---- GB18030 ----

// An iconv converter to UTF-8, closed with its owner.
class ToUtf8Converter {
 public:
  explicit ToUtf8Converter(const char* from) : handle_(::iconv_open("UTF-8", from)) {}
  ~ToUtf8Converter() {
    if (valid()) ::iconv_close(handle_);
  }
  ToUtf8Converter(const ToUtf8Converter&) = delete;
  ToUtf8Converter& operator=(const ToUtf8Converter&) = delete;

  // The UTF-8 form of one whole character, or nothing.
  std::optional<std::string> convert(std::string_view character) {
    if (!valid()) return std::nullopt;
    ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string in(character);
    std::array<char, 16> out{};
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (::iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
      return std::nullopt;
    return std::string(out.data(), out.size() - outLeft);
  }

 private:
  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t handle_;
};

bool inRange(unsigned char b, unsigned char low, unsigned char high) { return b >= low && b <= high; }

// Bytes of the GB18030 character at the start of rest, or 0 when it is not one.
int gb18030Length(std::string_view rest) {
  const auto at = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
  if (at(0) < 0x80) return 1;
  if (!inRange(at(0), 0x81, 0xFE) || rest.size() < 2) return 0;
  if (inRange(at(1), 0x40, 0x7E) || inRange(at(1), 0x80, 0xFE)) return 2;
  if (rest.size() >= 4 && inRange(at(1), 0x30, 0x39) && inRange(at(2), 0x81, 0xFE) && inRange(at(3), 0x30, 0x39))
    return 4;
  return 0;
}

Glyph gb18030Glyph(std::string_view rest, ToUtf8Converter& converter) {
  const int length = gb18030Length(rest);
  if (length == 0) return unshown(1);
  if (length == 1) return glyphFromUtf8(rest.substr(0, 1), 1);
  const auto utf8 = converter.convert(rest.substr(0, static_cast<size_t>(length)));
  if (!utf8) return unshown(length);
  return glyphFromUtf8(*utf8, length);
}

// ---- a row ----

Glyph nextGlyph(std::string_view rest, int codePage, std::optional<ToUtf8Converter>& gb18030) {
  if (codePage == kUtf8CodePage) return utf8Glyph(rest);
  if (codePage == kGb18030CodePage) {
    if (!gb18030) gb18030.emplace("GB18030");
    return gb18030Glyph(rest, *gb18030);
  }
  const auto byte = static_cast<unsigned char>(rest.front());
  if (byte < 0x80) return glyphFromUtf8(rest.substr(0, 1), 1);
  return singleByteGlyph(byte, codePage);
}

}  // namespace

int terminalWidth(char32_t c) {
  constexpr std::array<std::pair<char32_t, char32_t>, 12> kWide = {{
      {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
      {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
      {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x1F300, 0x3FFFD},
  }};
  for (const auto& [low, high] : kWide)
    if (c >= low && c <= high) return 2;
  return 1;
}

// In a multi-byte code page characters are found from the row's start: only that
// tells a lead byte from a trail byte. In a single-byte page every cell is one.
ShownCells showCells(std::string_view rowCells, int from, int to, int codePage) {
  ShownCells shown{from, to, {}};
  std::optional<ToUtf8Converter> gb18030;
  int width = 0;
  bool started = false;
  const bool multiByte = codePage == kUtf8CodePage || codePage == kGb18030CodePage;
  for (int start = multiByte ? 0 : std::max(from, 0); start < static_cast<int>(rowCells.size()) && start < to;) {
    Glyph glyph = nextGlyph(rowCells.substr(static_cast<size_t>(start)), codePage, gb18030);
    const int end = start + glyph.length;
    if (end > from) {
      if (!started) shown.from = start;
      started = true;
      shown.to = end;
      shown.text += glyph.text;
      width += glyph.width;
    }
    start = end;
  }
  if (!started) shown.to = shown.from;
  shown.text.append(static_cast<size_t>(std::max(shown.to - shown.from - width, 0)), ' ');
  return shown;
}

}  // namespace zemlar::posix
