// File names on POSIX: the stages write '\' as separator and compare names without
// regard to letter case, as the native file system does. Each component that does not
// exist as written is looked up case-insensitively (A-Z only) in its folder.
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "rt/platform.hpp"
#include "rt/text.hpp"

namespace zemlar::platform {

namespace {

namespace fs = std::filesystem;

bool pathExists(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of folder whose name equals component when case is ignored, or component.
std::string matchInFolder(const fs::path& folder, const std::string& component) {
  std::error_code ec;
  const std::string wanted = lcase(component);
  const fs::path where = folder.empty() ? fs::path(".") : folder;
  for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() == wanted.size() && lcase(name) == wanted) return name;
  }
  return component;
}

}  // namespace

std::string nativePath(std::string_view name) {
  std::string path(name);
  std::replace(path.begin(), path.end(), '\\', '/');
  if (path.empty() || pathExists(path)) return path;

  fs::path resolved = path.front() == '/' ? fs::path("/") : fs::path();
  size_t start = path.front() == '/' ? 1 : 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string component = path.substr(start, end - start);
    if (!component.empty() && component != "." && component != "..") {
      const fs::path exact = resolved / component;
      resolved = pathExists(exact) ? exact : resolved / matchInFolder(resolved, component);
    } else if (!component.empty()) {
      resolved /= component;
    }
    start = end + 1;
  }
  return resolved.string();
}

}  // namespace zemlar::platform
