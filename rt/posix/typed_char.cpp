#include "rt/posix/typed_char.hpp"

#include <iconv.h>

#include <array>
#include <memory>

#include "rt/code_page_tables.hpp"

namespace zemlar::posix {

namespace {

constexpr int kGb18030CodePage = 54936;
constexpr int kUtf8CodePage = 65001;

std::string utf8Of(char32_t cp) {
  std::string out;
  auto put = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xF0 | (cp >> 18));
    put(0x80 | ((cp >> 12) & 0x3F));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
  return out;
}

struct IconvCloser {
  void operator()(void* handle) const { ::iconv_close(static_cast<iconv_t>(handle)); }
};

// GB18030 covers all of Unicode; '?' only when the system cannot convert.
std::string gb18030Of(char32_t cp) {
  const iconv_t opened = ::iconv_open("GB18030", "UTF-8");
  if (opened == reinterpret_cast<iconv_t>(-1)) return {kNoSuchCharacter};
  const std::unique_ptr<void, IconvCloser> handle(opened);
  std::string in = utf8Of(cp);
  std::array<char, 8> out{};
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  if (::iconv(opened, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
    return {kNoSuchCharacter};
  }
  return std::string(out.data(), out.size() - outLeft);
}

}  // namespace

std::string typedCharacterBytes(char32_t codePoint, int codePage) {
  if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
  if (codePage == kUtf8CodePage) return utf8Of(codePoint);
  if (codePage == kGb18030CodePage) return gb18030Of(codePoint);
  const int byte = codepages::byteForCodePoint(codePage, codePoint);
  if (byte < 0) return {kNoSuchCharacter};
  return std::string(1, static_cast<char>(byte));
}

}  // namespace zemlar::posix
