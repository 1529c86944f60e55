#pragma once
// Opens a local page in headless Chromium and gives back the document as the browser
// built it (its DOM, serialized), after the page's parsing and any scripts it ran.
#include <filesystem>
#include <optional>
#include <string>

namespace zemlar::browser {

inline constexpr const char* kChromium = "/usr/bin/chromium";

bool chromiumInstalled();

// The serialized DOM of the page, or none when Chromium failed or gave nothing.
// Every call uses a new, empty profile folder, removed afterwards.
std::optional<std::string> dumpDom(const std::filesystem::path& page);

}  // namespace zemlar::browser
