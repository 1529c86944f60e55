#include "tools/convertcp/codec.hpp"

#include "tools/convertcp/single_byte_codec.hpp"
#include "tools/convertcp/utf8_codec.hpp"

namespace zemlar::convertcp {

std::unique_ptr<Decoder> makeDecoder(CodePage source) {
  switch (source.encoding) {
    case Encoding::SingleByte: return makeSingleByteDecoder(source.number);
    case Encoding::Gb18030: return makeGb18030Decoder();
    case Encoding::Utf8: break;
  }
  return makeUtf8Decoder();
}

std::unique_ptr<Encoder> makeEncoder(CodePage target) {
  switch (target.encoding) {
    case Encoding::SingleByte: return makeSingleByteEncoder(target.number);
    case Encoding::Gb18030: return makeGb18030Encoder();
    case Encoding::Utf8: break;
  }
  return nullptr;
}

}  // namespace zemlar::convertcp
