// convertcp's conversion core on arbitrary bytes for every pair of code pages: the
// result does not depend on the block size, UTF-8 output is valid UTF-8, and a
// single-byte page through UTF-8 and back keeps every byte the page defines.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "fuzz_check.hpp"
#include "tools/convertcp/codec.hpp"
#include "tools/convertcp/conversion.hpp"

using namespace zemlar::convertcp;

namespace {

constexpr std::array<int, 11> kCodePages = {1250, 1251, 1252, 1253, 1254, 1255,
                                            1256, 1257, 1258, 54936, 65001};
constexpr CodePage kUtf8{65001, Encoding::Utf8};

CodePage codePage(int number) { return *parseCodePage(std::to_string(number)); }

// Hands out the bytes in reads of at most `step` bytes, whatever the capacity.
class MemorySource final : public ByteSource {
 public:
  MemorySource(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}
  std::size_t read(char* buffer, std::size_t capacity) override {
    const std::size_t count = std::min({capacity, step_, bytes_.size()});
    std::copy_n(bytes_.data(), count, buffer);
    bytes_.remove_prefix(count);
    return count;
  }

 private:
  std::string_view bytes_;
  std::size_t step_;
};

class StringSink final : public ByteSink {
 public:
  void write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

std::string converted(std::string_view bytes, CodePage from, CodePage to, std::size_t blockSize = kDefaultBlockSize,
                      std::size_t step = kDefaultBlockSize) {
  MemorySource source(bytes, step);
  StringSink sink;
  convert(source, sink, from, to, blockSize);
  return sink.text;
}

bool validUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4   ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t cp = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (length > 1 && cp < kSmallest[length]) return false;
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

// Which bytes a single-byte page defines: those that do not decode to U+FFFD.
std::array<bool, 256> definedBytes(CodePage page) {
  std::array<bool, 256> defined{};
  for (int byte = 0; byte < 256; ++byte) {
    const auto decoder = makeDecoder(page);
    ByteBuffer out;
    const char c = static_cast<char>(byte);
    decoder->decode({&c, 1}, true, out);
    defined[static_cast<std::size_t>(byte)] = decoder->undefinedCount() == 0;
  }
  return defined;
}

void checkRoundTrip(std::string_view bytes, CodePage page) {
  static std::array<std::array<bool, 256>, 9> defined = [] {
    std::array<std::array<bool, 256>, 9> tables{};
    for (int i = 0; i < 9; ++i) tables[static_cast<std::size_t>(i)] = definedBytes(codePage(1250 + i));
    return tables;
  }();
  const std::string back = converted(converted(bytes, page, kUtf8), kUtf8, page);
  FUZZ_CHECK(back.size() == bytes.size());
  const auto& pageDefined = defined[static_cast<std::size_t>(page.number - 1250)];
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (pageDefined[static_cast<unsigned char>(bytes[i])]) FUZZ_CHECK(back[i] == bytes[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const CodePage from = codePage(in.PickValueInArray(kCodePages));
  const CodePage to = codePage(in.PickValueInArray(kCodePages));
  const std::size_t blockSize = in.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::size_t step = in.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  const std::string whole = converted(bytes, from, to);
  FUZZ_CHECK(converted(bytes, from, to, blockSize, step) == whole);
  if (to.encoding == Encoding::Utf8) FUZZ_CHECK(validUtf8(whole));
  if (from.encoding == Encoding::Utf8 && to.encoding == Encoding::Utf8 && validUtf8(bytes)) FUZZ_CHECK(whole == bytes);
  if (from.encoding == Encoding::SingleByte) checkRoundTrip(bytes, from);
  return 0;
}
