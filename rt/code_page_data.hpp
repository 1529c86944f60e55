#pragma once
// The raw data behind the single-byte code page tables: the code point of every byte
// 0x80-0xFF of code pages 1250-1258 (bytes below 0x80 are ASCII in all of them).
#include <array>
#include <cstddef>

namespace zemlar::codepages {

inline constexpr int kFirstSingleByteCodePage = 1250;
inline constexpr std::size_t kSingleByteCodePageCount = 9;

// Index 0 is byte 0x80; 0 marks a byte the code page does not define.
using HighHalf = std::array<char32_t, 128>;
extern const std::array<HighHalf, kSingleByteCodePageCount> kHighHalves;

}  // namespace zemlar::codepages
