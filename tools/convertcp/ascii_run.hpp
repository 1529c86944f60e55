#pragma once
// The ASCII fast path: bytes below 0x80 mean the same in every code page convertcp knows,
// so runs of them are copied eight at a time, each eight tested with one 64-bit mask.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zemlar::convertcp {

// Whether all eight bytes of a word are ASCII.
inline bool isAscii(std::uint64_t eightBytes) { return (eightBytes & 0x8080808080808080ull) == 0; }

// Copies the ASCII bytes at the start of [in, end) in steps of eight to `out` and returns
// how many it copied; up to seven ASCII bytes at the end of the run are left to the caller.
inline std::size_t copyAsciiRun(const char* in, const char* end, char* out) {
  const char* const start = in;
  while (end - in >= 8) {
    std::uint64_t word;
    std::memcpy(&word, in, 8);
    if (!isAscii(word)) break;
    std::memcpy(out, &word, 8);
    in += 8;
    out += 8;
  }
  return static_cast<std::size_t>(in - start);
}

}  // namespace zemlar::convertcp
