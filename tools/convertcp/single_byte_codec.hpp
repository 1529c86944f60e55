#pragma once
// The single-byte code pages 1250-1258, through the shared 256-entry tables.
#include <memory>

#include "tools/convertcp/codec.hpp"

namespace zemlar::convertcp {

std::unique_ptr<Decoder> makeSingleByteDecoder(int codePage);
std::unique_ptr<Encoder> makeSingleByteEncoder(int codePage);

}  // namespace zemlar::convertcp
