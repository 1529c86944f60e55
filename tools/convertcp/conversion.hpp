#pragma once
// The conversion of one byte stream, block by block, so memory stays the same whatever
// the size of the file. Free of files: the source and the sink are small interfaces.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/convertcp/code_page.hpp"

namespace zemlar::convertcp {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `capacity` bytes into `buffer`; 0 only at the end. Throws on a failure.
  virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Throws on a failure.
  virtual void write(std::string_view bytes) = 0;
};

struct ConversionCounts {
  std::uint64_t undefinedInput = 0;          // source sequences that became U+FFFD
  std::uint64_t unrepresentableOutput = 0;   // characters that became "?" in the target
};

inline constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 20;

ConversionCounts convert(ByteSource& source, ByteSink& sink, CodePage from, CodePage to,
                         std::size_t blockSize = kDefaultBlockSize);

}  // namespace zemlar::convertcp
