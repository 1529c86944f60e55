#pragma once
// The two halves of a conversion. UTF-8 is the pivot: a Decoder turns source bytes into
// UTF-8 made of complete, valid characters, and an Encoder turns such UTF-8 into the
// target code page. A conversion to 65001 needs no Encoder.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "tools/convertcp/byte_buffer.hpp"
#include "tools/convertcp/code_page.hpp"

namespace zemlar::convertcp {

// The longest unfinished character a Decoder leaves for the next block.
inline constexpr std::size_t kMaxUnfinished = 4;

class Decoder {
 public:
  virtual ~Decoder() = default;
  // Appends the UTF-8 of `input` to `out` and returns how many input bytes it used. An
  // unfinished character at the end (at most kMaxUnfinished bytes) is left unused to come
  // again in front of the next block; with `last` everything is used and an unfinished
  // character becomes U+FFFD. Every byte sequence the source does not define becomes
  // U+FFFD and is counted.
  virtual std::size_t decode(std::string_view input, bool last, ByteBuffer& out) = 0;
  std::uint64_t undefinedCount() const { return undefined_; }

 protected:
  std::uint64_t undefined_ = 0;
};

class Encoder {
 public:
  virtual ~Encoder() = default;
  // Appends `utf8` (complete, valid characters) in the target code page to `out`. A
  // character the target cannot represent becomes "?" and is counted.
  virtual void encode(std::string_view utf8, ByteBuffer& out) = 0;
  std::uint64_t unrepresentableCount() const { return unrepresentable_; }

 protected:
  std::uint64_t unrepresentable_ = 0;
};

std::unique_ptr<Decoder> makeDecoder(CodePage source);
// nullptr for 65001: the pivot is the output.
std::unique_ptr<Encoder> makeEncoder(CodePage target);

// The GB18030 codecs live in the platform folder (iconv on POSIX, the code page API on
// Windows).
std::unique_ptr<Decoder> makeGb18030Decoder();
std::unique_ptr<Encoder> makeGb18030Encoder();

}  // namespace zemlar::convertcp
