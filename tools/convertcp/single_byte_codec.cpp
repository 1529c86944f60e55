#include "tools/convertcp/single_byte_codec.hpp"

#include <cstring>

#include "rt/code_page_tables.hpp"
#include "tools/convertcp/ascii_run.hpp"
#include "tools/convertcp/utf8.hpp"

namespace zemlar::convertcp {

namespace {

class SingleByteDecoder final : public Decoder {
 public:
  explicit SingleByteDecoder(int codePage) : table_(*codepages::singleByteTable(codePage)) {}

  std::size_t decode(std::string_view input, bool, ByteBuffer& out) override {
    // Every entry is copied as three bytes and the position moves by its length, so the
    // worst case (three bytes a byte) is all the room needed.
    char* const start = out.reserveTail(3 * input.size());
    char* o = start;
    const char* in = input.data();
    const char* const end = in + input.size();
    while (in < end) {
      const std::size_t ascii = copyAsciiRun(in, end, o);
      in += ascii;
      o += ascii;
      if (in == end) break;
      const codepages::Utf8Entry& entry = table_[static_cast<unsigned char>(*in++)];
      if (entry.length == 0) {
        std::memcpy(o, utf8::kReplacement.data(), 3);
        o += 3;
        ++undefined_;
      } else {
        std::memcpy(o, entry.bytes.data(), 3);
        o += entry.length;
      }
    }
    out.commit(static_cast<std::size_t>(o - start));
    return input.size();
  }

 private:
  const codepages::SingleByteTable& table_;
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
