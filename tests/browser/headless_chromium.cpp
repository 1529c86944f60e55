#include "headless_chromium.hpp"

#include <cstdlib>

#include "support/temp_folder.hpp"

namespace zemlar::browser {

namespace fs = std::filesystem;

bool chromiumInstalled() {
  std::error_code ec;
  return fs::is_regular_file(kChromium, ec);
}

std::optional<std::string> dumpDom(const fs::path& page) {
  const test::TempFolder scratch;
  const fs::path profile = scratch / "profile";
  fs::create_directory(profile);
  const fs::path dom = scratch / "dom.html";
  // No network, no first-run or background work: the page is all the browser looks at.
  const std::string command = std::string("timeout 120 ") + kChromium +
                              " --headless --no-sandbox --disable-gpu --no-first-run"
                              " --disable-background-networking --disable-component-update --disable-sync"
                              " --user-data-dir='" + profile.string() + "' --dump-dom 'file://" +
                              page.string() + "' >'" + dom.string() + "' 2>'" +
                              (scratch / "chromium.log").string() + "'";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  std::string text = test::readFile(dom);
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace zemlar::browser
