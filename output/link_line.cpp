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

// Most addresses begin with "http": that test is far cheaper than the search.
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

// Where the address goes, with room behind it for the whole line when the address needs
// no escaping. The buffer only grows, so the fixed start stays in place.
char* LinkLineMaker::addressPlace(size_t addressSize) {
  const size_t lineSize = prefixSize_ + 2 * addressSize + kQueryEnd.size() + kLinkEnd.size();
  if (buffer_.size() < lineSize) buffer_.resize(lineSize);
  return buffer_.data() + prefixSize_;
}

bool LinkLineMaker::make(std::string_view inputLine) {
  const std::string_view trimmedLine = trimmed(inputLine);
  const size_t size = trimmedLine.size();
  char* const address = addressPlace(size);
  const bool mayEscape = copyLowered(trimmedLine, address);
  if (!holdsHttp({address, size})) return false;
  finish(size, mayEscape && !needsNoEscape({address, size}));
  return true;
}

void LinkLineMaker::makeFor(std::string_view address) {
  put(addressPlace(address.size()), address);
  finish(address.size(), !needsNoEscape(address));
}

// The rest of the line after the address in its place.
void LinkLineMaker::finish(size_t addressSize, bool escapes) {
  char* const address = buffer_.data() + prefixSize_;
  if (escapes) return finishEscaped({address, addressSize});
  // The usual address: it stands in the query as it is, and again as the link's text.
  char* at = put(address + addressSize, kQueryEnd);
  at = put(at, {address, addressSize});
  at = put(at, kLinkEnd);
  size_ = static_cast<size_t>(at - buffer_.data());
}

void LinkLineMaker::finishEscaped(std::string_view address) {
  std::string tail;
  appendQueryEscaped(tail, address);
  tail += kQueryEnd;
  appendHtmlEscaped(tail, address);
  tail += kLinkEnd;
  size_ = prefixSize_ + tail.size();
  if (buffer_.size() < size_) buffer_.resize(size_);
  put(buffer_.data() + prefixSize_, tail);
}

}  // namespace zemlar
