#include "tools/convertcp/utf8_codec.hpp"

#include <cstring>

#include "tools/convertcp/ascii_run.hpp"
#include "tools/convertcp/utf8.hpp"

namespace zemlar::convertcp {

namespace {

// What a lead byte asks of the bytes after it: how many follow, and the range of the
// first of them (which rules out overlong forms, surrogates and code points past
// U+10FFFF); the rest are 0x80-0xBF.
struct LeadRule {
  std::size_t following = 0;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
};

// Nothing for a byte that cannot start a character.
bool leadRule(unsigned char lead, LeadRule& rule) {
  if (lead >= 0xC2 && lead <= 0xDF) rule = {1, 0x80, 0xBF};
  else if (lead == 0xE0) rule = {2, 0xA0, 0xBF};
  else if (lead == 0xED) rule = {2, 0x80, 0x9F};
  else if (lead >= 0xE1 && lead <= 0xEF) rule = {2, 0x80, 0xBF};
  else if (lead == 0xF0) rule = {3, 0x90, 0xBF};
  else if (lead >= 0xF1 && lead <= 0xF3) rule = {3, 0x80, 0xBF};
  else if (lead == 0xF4) rule = {3, 0x80, 0x8F};
  else return false;
  return true;
}

// How many bytes at `p` (at most `available`) form a valid start of the character; the
// whole character is valid when this is 1 + rule.following.
std::size_t validPrefix(const unsigned char* p, std::size_t available, const LeadRule& rule) {
  std::size_t n = 1;
  for (; n <= rule.following && n < available; ++n) {
    const unsigned char low = n == 1 ? rule.secondLow : 0x80;
    const unsigned char high = n == 1 ? rule.secondHigh : 0xBF;
    if (p[n] < low || p[n] > high) break;
  }
  return n;
}

class Utf8Decoder final : public Decoder {
 public:
  std::size_t decode(std::string_view input, bool last, ByteBuffer& out) override {
    char* const start = out.reserveTail(3 * input.size());
    char* o = start;
    const auto* const begin = reinterpret_cast<const unsigned char*>(input.data());
    const auto* p = begin;
    const auto* const end = begin + input.size();
    while (p < end) {
      const std::size_t ascii =
          copyAsciiRun(reinterpret_cast<const char*>(p), reinterpret_cast<const char*>(end), o);
      p += ascii;
      o += ascii;
      if (p == end) break;
      if (*p < 0x80) {
        *o++ = static_cast<char>(*p++);
        continue;
      }
      LeadRule rule;
      const std::size_t available = static_cast<std::size_t>(end - p);
      const std::size_t valid = leadRule(*p, rule) ? validPrefix(p, available, rule) : 1;
      if (valid == rule.following + 1 && rule.following > 0) {
        std::memcpy(o, p, valid);
      } else if (valid == available && !last && rule.following > 0) {
        break;  // the character goes on in the next block
      } else {
        // The longest valid start of a character (or one stray byte) becomes one U+FFFD.
        std::memcpy(o, utf8::kReplacement.data(), 3);
        o += 3;
        p += valid;
        ++undefined_;
        continue;
      }
      o += valid;
      p += valid;
    }
    out.commit(static_cast<std::size_t>(o - start));
    return static_cast<std::size_t>(p - begin);
  }
};

}  // namespace

std::unique_ptr<Decoder> makeUtf8Decoder() { return std::make_unique<Utf8Decoder>(); }

}  // namespace zemlar::convertcp
