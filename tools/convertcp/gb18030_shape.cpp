#include "tools/convertcp/gb18030_shape.hpp"

namespace zemlar::convertcp {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high) { return byte >= low && byte <= high; }

}  // namespace

Gb18030Character gb18030CharacterAt(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  constexpr Gb18030Character kUnfinished{Gb18030Shape::Unfinished, 1};
  constexpr Gb18030Character kInvalid{Gb18030Shape::Invalid, 1};
  if (at(0) < 0x80) return {Gb18030Shape::Complete, 1};
  if (!inRange(at(0), 0x81, 0xFE)) return kInvalid;
  if (bytes.size() < 2) return kUnfinished;
  if (inRange(at(1), 0x40, 0x7E) || inRange(at(1), 0x80, 0xFE)) return {Gb18030Shape::Complete, 2};
  if (!inRange(at(1), 0x30, 0x39)) return kInvalid;
  if (bytes.size() < 3) return kUnfinished;
  if (!inRange(at(2), 0x81, 0xFE)) return kInvalid;
  if (bytes.size() < 4) return kUnfinished;
  if (!inRange(at(3), 0x30, 0x39)) return kInvalid;
  return {Gb18030Shape::Complete, 4};
}

}  // namespace zemlar::convertcp
