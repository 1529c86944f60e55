#include "tools/convertcp/single_byte_codec.hpp"

#include <array>
#include <cstdint>
#include <cstring>

#include "rt/code_page_tables.hpp"
#include "tools/convertcp/ascii_run.hpp"
#include "tools/convertcp/utf8.hpp"

namespace zemlar::convertcp {

namespace {

class SingleByteDecoder final : public Decoder {
 public:
  explicit SingleByteDecoder(int codePage) {
    const codepages::SingleByteTable& table = *codepages::singleByteTable(codePage);
    for (std::size_t byte = 0; byte < 256; ++byte) {
      const bool undefined = table[byte].length == 0;
      const std::string_view utf8 = undefined ? utf8::kReplacement : table[byte].view();
      std::memcpy(entries_[byte].bytes, utf8.data(), utf8.size());
      entries_[byte].length = static_cast<uint8_t>(utf8.size());
      entries_[byte].undefined = undefined;
    }
  }

  std::size_t decode(std::string_view input, bool, ByteBuffer& out) override {
    // Each entry is stored as four bytes and the position moves by its length, so three
    // bytes a byte and one to spare is all the room needed.
    char* const start = out.reserveTail(3 * input.size() + 1);
    char* o = start;
    const char* in = input.data();
    const char* const end = in + input.size();
    std::size_t undefined = 0;
    // Eight bytes at a time: ASCII ones are copied as they are, any others all go through
    // the table.
    for (; end - in >= 8; in += 8) {
      std::uint64_t word;
      std::memcpy(&word, in, 8);
      if (isAscii(word)) {
        std::memcpy(o, &word, 8);
        o += 8;
        continue;
      }
      for (int i = 0; i < 8; ++i) o = put(in[i], o, undefined);
    }
    for (; in < end; ++in) o = put(*in, o, undefined);
    undefined_ += undefined;
    out.commit(static_cast<std::size_t>(o - start));
    return input.size();
  }

 private:
  // The byte's characters at o; returns the position after them.
  char* put(char byte, char* o, std::size_t& undefined) const {
    const Entry& entry = entries_[static_cast<unsigned char>(byte)];
    std::memcpy(o, entry.bytes, 4);
    undefined += entry.undefined;
    return o + entry.length;
  }

  // The table entry in the form the loop wants: undefined bytes already U+FFFD, and four
  // bytes to copy at once.
  struct Entry {
    char bytes[4] = {};
    uint8_t length = 0;
    uint8_t undefined = 0;
  };
  std::array<Entry, 256> entries_{};
};

class SingleByteEncoder final : public Encoder {
 public:
  explicit SingleByteEncoder(int codePage) : codePage_(codePage) {}

  void encode(std::string_view utf8, ByteBuffer& out) override {
    char* const start = out.reserveTail(utf8.size());
    char* o = start;
    const char* in = utf8.data();
    const char* const end = in + utf8.size();
    while (in < end) {
      const std::size_t ascii = copyAsciiRun(in, end, o);
      in += ascii;
      o += ascii;
      if (in == end) break;
      const auto* p = reinterpret_cast<const unsigned char*>(in);
      const std::size_t length = utf8::sequenceLength(*p);
      const int byte = codepages::byteForCodePoint(codePage_, utf8::codePointAt(p, length));
      if (byte < 0) ++unrepresentable_;
      *o++ = byte < 0 ? '?' : static_cast<char>(byte);
      in += length;
    }
    out.commit(static_cast<std::size_t>(o - start));
  }

 private:
  int codePage_;
};

}  // namespace

std::unique_ptr<Decoder> makeSingleByteDecoder(int codePage) {
  return std::make_unique<SingleByteDecoder>(codePage);
}

std::unique_ptr<Encoder> makeSingleByteEncoder(int codePage) {
  return std::make_unique<SingleByteEncoder>(codePage);
}

}  // namespace zemlar::convertcp
