#include "tools/convertcp/conversion.hpp"

#include <cstring>
#include <memory>
#include <stdexcept>

#include "tools/convertcp/codec.hpp"

namespace zemlar::convertcp {

ConversionCounts convert(ByteSource& source, ByteSink& sink, CodePage from, CodePage to, std::size_t blockSize) {
  const std::unique_ptr<Decoder> decoder = makeDecoder(from);
  const std::unique_ptr<Encoder> encoder = makeEncoder(to);
  // An unfinished character of one block is moved to the front, and the next block is
  // read after it.
  const auto input = std::make_unique_for_overwrite<char[]>(kMaxUnfinished + blockSize);
  ByteBuffer pivot;
  ByteBuffer output;
  std::size_t unfinished = 0;
  for (bool last = false; !last;) {
    const std::size_t read = source.read(input.get() + unfinished, blockSize);
    last = read == 0;
    const std::string_view block(input.get(), unfinished + read);
    pivot.clear();
    const std::size_t used = decoder->decode(block, last, pivot);
    unfinished = block.size() - used;
    if (unfinished > kMaxUnfinished) throw std::logic_error("a decoder left more than one character");
    std::memmove(input.get(), input.get() + used, unfinished);
    if (encoder) {
      output.clear();
      encoder->encode(pivot.view(), output);
      sink.write(output.view());
    } else {
      sink.write(pivot.view());
    }
  }
  return {decoder->undefinedCount(), encoder ? encoder->unrepresentableCount() : 0};
}

}  // namespace zemlar::convertcp
