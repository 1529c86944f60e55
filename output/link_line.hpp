#pragma once
// The link line of one address list line: the search for the typed words restricted to
// the address with " site:", and the address as the link's text.
#include <string>
#include <string_view>

namespace zemlar {

class LinkLineMaker {
 public:
  explicit LinkLineMaker(std::string_view searchWords);

  // Makes the link line of an input line, whose address is the line trimmed and
  // lower-cased; false when that address holds no "http" and gets no link.
  bool make(std::string_view inputLine);

  // Makes the link line of an address taken as it stands.
  void makeFor(std::string_view address);

  // The line last made; valid until the next make.
  std::string_view line() const { return {buffer_.data(), size_}; }

 private:
  char* addressPlace(size_t addressSize);
  void finish(size_t addressSize, bool escapes);
  void finishEscaped(std::string_view address);

  std::string buffer_;  // the fixed start of every line, then the last address part
  size_t prefixSize_;   // bytes of the fixed start
  size_t size_ = 0;     // bytes of the line last made
};

}  // namespace zemlar
