#pragma once
// The structure of GB18030 characters (one, two or four bytes), for a converter that
// must find where characters end before it hands whole ones to the system.
#include <cstddef>
#include <string_view>

namespace zemlar::convertcp {

enum class Gb18030Shape { Complete, Unfinished, Invalid };

struct Gb18030Character {
  Gb18030Shape shape;
  std::size_t length;  // of a complete character; 1 otherwise
};

// The character at the start of `bytes` (not empty). Invalid: the first byte cannot
// start a character, or the bytes after it do not continue one.
Gb18030Character gb18030CharacterAt(std::string_view bytes);

}  // namespace zemlar::convertcp
