#include "output/link_line.hpp"

#include <cstring>

#include "app/addresses.hpp"
#include "output/escaping.hpp"
#include "rt/text.hpp"

namespace zemlar {

namespace {

constexpr std::string_view kQueryEnd = R"(">)";
constexpr std::string_view kLinkEnd = "</a>";

// Copies text lower-cased to `to` (room for text.size() bytes) and tells whether some
// byte may need escaping: both in one pass, written so that the compiler vectorizes it.
bool copyLowered(std::string_view text, char* to) {
  const auto* from = reinterpret_cast<const unsigned char*>(text.data());
  unsigned char mayEscape = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = from[i];
    mayEscape |= mayNeedEscape(c);
    to[i] = static_cast<char>(c + (static_cast<unsigned char>(c - 'A') < 26 ? 32 : 0));
  }
  return mayEscape != 0;
}

bool holdsHttp(std::string_view address) {
  constexpr std::string_view kHttp = "http";
  return address.starts_with(kHttp) || address.find(kHttp) != std::string_view::npos;
}

char* put(char* at, std::string_view bytes) {
  std::memcpy(at, bytes.data(), bytes.size());
  return at + bytes.size();
}

}  // namespace

LinkLineMaker::LinkLineMaker(std::string_view searchWords) {
  buffer_ = R"(<a href="http://)";
  buffer_ += addresses::kSearchHost;
  buffer_ += "/search?q=";
  buffer_ += queryEscape(searchWords);
  buffer_ += " site:";
  prefixSize_ = buffer_.size();
}

// The buffer with room for a line of the given size; it only grows, so the fixed start
// stays in place.
char* LinkLineMaker::room(size_t bytes) {
  if (buffer_.size() < bytes) buffer_.resize(bytes);
  return buffer_.data();
}

bool LinkLineMaker::make(std::string_view inputLine) {
  const std::string_view trimmedLine = trimmed(inputLine);
  const size_t length = trimmedLine.size();
  char* const address = room(prefixSize_ + 2 * length + kQueryEnd.size() + kLinkEnd.size()) + prefixSize_;
  const bool mayEscape = copyLowered(trimmedLine, address);
  if (!holdsHttp({address, length})) return false;
  if (mayEscape && !needsNoEscape({address, length})) {
    makeEscaped({address, length});
    return true;
  }
  // The usual address: copied as it is, twice.
  char* at = put(address + length, kQueryEnd);
  at = put(at, {address, length});
  at = put(at, kLinkEnd);
  size_ = static_cast<size_t>(at - buffer_.data());
  return true;
}

void LinkLineMaker::makeEscaped(std::string_view address) {
  const std::string raw(address);
  std::string tail;
  appendQueryEscaped(tail, raw);
  tail += kQueryEnd;
  appendHtmlEscaped(tail, raw);
  tail += kLinkEnd;
  put(room(prefixSize_ + tail.size()) + prefixSize_, tail);
  size_ = prefixSize_ + tail.size();
}

}  // namespace zemlar
