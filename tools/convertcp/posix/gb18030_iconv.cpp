// GB18030 (code page 54936) through the C library's iconv.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

#include "tools/convertcp/codec.hpp"
#include "tools/convertcp/utf8.hpp"

namespace zemlar::convertcp {

namespace {

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("the system cannot convert ") + from + " to " + to);
  }
  ~IconvHandle() { iconv_close(cd_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  enum class Stop { Done, OutputFull, Unfinished, Invalid };

  // Converts from `in` into the spare room of `out` until the input is used up or
  // something stops it; moves `in` past what was used.
  Stop convert(std::string_view& in, ByteBuffer& out) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.tail();
    std::size_t outLeft = out.spare();
    const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.commit(out.spare() - outLeft);
    in.remove_prefix(in.size() - inLeft);
    if (result != static_cast<std::size_t>(-1)) return Stop::Done;
    if (error == E2BIG) return Stop::OutputFull;
    if (error == EINVAL) return Stop::Unfinished;
    if (error == EILSEQ) return Stop::Invalid;
    throw std::system_error(error, std::generic_category(), "iconv");
  }

 private:
  iconv_t cd_;
};

class Gb18030Decoder final : public Decoder {
 public:
  std::size_t decode(std::string_view input, bool last, ByteBuffer& out) override {
    std::string_view rest = input;
    out.reserveTail(3 * rest.size() + 8);
    while (!rest.empty()) {
      switch (iconv_.convert(rest, out)) {
        case IconvHandle::Stop::Done: break;
        case IconvHandle::Stop::OutputFull: out.reserveTail(3 * rest.size() + 8); break;
        case IconvHandle::Stop::Unfinished:
          if (!last) return input.size() - rest.size();
          replace(out);  // the file ends inside a character
          rest = {};
          break;
        case IconvHandle::Stop::Invalid: replace(out); rest.remove_prefix(1); break;
      }
    }
    return input.size();
  }

 private:
  void replace(ByteBuffer& out) {
    out.append(utf8::kReplacement);
    ++undefined_;
  }

  IconvHandle iconv_{"UTF-8", "GB18030"};
};

class Gb18030Encoder final : public Encoder {
 public:
  void encode(std::string_view utf8, ByteBuffer& out) override {
    out.reserveTail(2 * utf8.size() + 8);
    while (!utf8.empty()) {
      switch (iconv_.convert(utf8, out)) {
        case IconvHandle::Stop::Done: break;
        case IconvHandle::Stop::OutputFull: out.reserveTail(2 * utf8.size() + 8); break;
        case IconvHandle::Stop::Unfinished:
        case IconvHandle::Stop::Invalid: {
          out.append("?");
          ++unrepresentable_;
          const auto lead = static_cast<unsigned char>(utf8.front());
          utf8.remove_prefix(std::min(utf8.size(), utf8::sequenceLength(lead)));
          break;
        }
      }
    }
  }

 private:
  IconvHandle iconv_{"GB18030", "UTF-8"};
};

}  // namespace

std::unique_ptr<Decoder> makeGb18030Decoder() { return std::make_unique<Gb18030Decoder>(); }
std::unique_ptr<Encoder> makeGb18030Encoder() { return std::make_unique<Gb18030Encoder>(); }

}  // namespace zemlar::convertcp
