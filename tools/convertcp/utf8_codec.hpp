#pragma once
// Code page 65001 as a source: the input is checked and copied, and every ill-formed
// part becomes U+FFFD.
#include <memory>

#include "tools/convertcp/codec.hpp"

namespace zemlar::convertcp {

std::unique_ptr<Decoder> makeUtf8Decoder();

}  // namespace zemlar::convertcp
