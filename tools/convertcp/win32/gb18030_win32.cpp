// GB18030 (code page 54936) through the Windows code page API. MultiByteToWideChar does
// not say where a block ends inside a character, so the bytes are first split into
// characters by the structure of GB18030.
#include <windows.h>

#include <cstddef>
#include <stdexcept>
#include <string>

#include "tools/convertcp/codec.hpp"
#include "tools/convertcp/gb18030_shape.hpp"
#include "tools/convertcp/utf8.hpp"

namespace zemlar::convertcp {

namespace {

constexpr UINT kGb18030 = 54936;

// `bytes` of `codePage` as UTF-16; false when the code page does not define them.
bool toWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
  wide.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (count == 0) return false;
  wide.resize(static_cast<std::size_t>(count));
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), count) == count;
}

void appendNarrow(UINT codePage, const std::wstring& wide, ByteBuffer& out) {
  if (wide.empty()) return;
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (count == 0) throw std::runtime_error("the system cannot convert to code page " + std::to_string(codePage));
  char* tail = out.reserveTail(static_cast<std::size_t>(count));
  WideCharToMultiByte(codePage, 0, wide.data(), size, tail, count, nullptr, nullptr);
  out.commit(static_cast<std::size_t>(count));
}

class Gb18030Decoder final : public Decoder {
 public:
  std::size_t decode(std::string_view input, bool last, ByteBuffer& out) override {
    std::size_t runStart = 0;
    std::size_t position = 0;
    while (position < input.size()) {
      const Gb18030Character character = gb18030CharacterAt(input.substr(position));
      if (character.shape == Gb18030Shape::Complete) {
        position += character.length;
        continue;
      }
      convertRun(input.substr(runStart, position - runStart), out);
      const bool unfinished = character.shape == Gb18030Shape::Unfinished;
      if (unfinished && !last) return position;
      replace(out);
      position += unfinished ? input.size() - position : 1;
      runStart = position;
    }
    convertRun(input.substr(runStart, position - runStart), out);
    return input.size();
  }

 private:
  // A run of well-formed characters; one the code page does not map becomes U+FFFD.
  void convertRun(std::string_view run, ByteBuffer& out) {
    if (toWide(kGb18030, run, wide_)) return appendNarrow(CP_UTF8, wide_, out);
    std::size_t length = 0;
    for (std::size_t position = 0; position < run.size(); position += length) {
      length = gb18030CharacterAt(run.substr(position)).length;
      if (toWide(kGb18030, run.substr(position, length), wide_)) appendNarrow(CP_UTF8, wide_, out);
      else replace(out);
    }
  }

  void replace(ByteBuffer& out) {
    out.append(utf8::kReplacement);
    ++undefined_;
  }

  std::wstring wide_;
};

// GB18030 holds every Unicode character, so nothing becomes "?" here.
class Gb18030Encoder final : public Encoder {
 public:
  void encode(std::string_view utf8, ByteBuffer& out) override {
    if (!toWide(CP_UTF8, utf8, wide_)) throw std::logic_error("the pivot is not valid UTF-8");
    appendNarrow(kGb18030, wide_, out);
  }

 private:
  std::wstring wide_;
};

}  // namespace

std::unique_ptr<Decoder> makeGb18030Decoder() { return std::make_unique<Gb18030Decoder>(); }
std::unique_ptr<Encoder> makeGb18030Encoder() { return std::make_unique<Gb18030Encoder>(); }

}  // namespace zemlar::convertcp
