#include "rt/posix/console_codepage.hpp"

#include <algorithm>
#include <array>

namespace zemlar::posix {

namespace {

// The code pages the console can show: those of the program's menu, and UTF-8.
constexpr std::array kKnownCodePages = {1250, 1251, 1252, 1253, 1254, 1255,
                                        1256, 1257, 1258, 54936, 65001};

// Terminals today show UTF-8, so the console starts there.
int& codePageState() {
  static int codePage = 65001;
  return codePage;
}

}  // namespace

int consoleCodePage() { return codePageState(); }
void setConsoleCodePage(int codePage) { codePageState() = codePage; }
bool isKnownCodePage(int codePage) {
  return std::find(kKnownCodePages.begin(), kKnownCodePages.end(), codePage) != kKnownCodePages.end();
}

}  // namespace zemlar::posix
