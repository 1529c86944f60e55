#include "support/iconv_reference.hpp"

#include <iconv.h>

#include <stdexcept>

namespace zemlar::test {

std::optional<std::string> iconvConvert(std::string_view bytes, const char* from, const char* to) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert this pair");
  std::string out(4 * bytes.size() + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* o = out.data();
  std::size_t outLeft = out.size();
  const bool converted = iconv(cd, &in, &inLeft, &o, &outLeft) != static_cast<std::size_t>(-1) &&
                         iconv(cd, nullptr, nullptr, &o, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!converted) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::string toCp1251(std::string_view utf8) {
  std::optional<std::string> text = iconvConvert(utf8, "UTF-8", "CP1251");
  if (!text) throw std::runtime_error("iconv cannot put this text into code page 1251");
  return *text;
}

}  // namespace zemlar::test
