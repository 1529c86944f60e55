#include "rt/posix/cmd/wildcard.hpp"

namespace zemlar::cmd {

namespace {

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// '*' and '?' with backtracking to the last star; letters compared without case.
bool globMatch(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0;
  size_t starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || fold(pattern[p]) == fold(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// "." and ".." name folders; a final dot leaves a name without extension.
bool hasExtension(std::string_view name) {
  if (name == "." || name == "..") return false;
  const size_t dot = name.rfind('.');
  return dot != std::string_view::npos && dot + 1 < name.size();
}

}  // namespace

bool matchesWildcard(std::string_view pattern, std::string_view name) {
  if (pattern.size() >= 2 && pattern.ends_with(".*") && !hasExtension(name) &&
      globMatch(pattern.substr(0, pattern.size() - 2), name)) {
    return true;
  }
  if (pattern.size() >= 2 && pattern.back() == '.' && pattern != "..") {
    return !hasExtension(name) && globMatch(pattern.substr(0, pattern.size() - 1), name);
  }
  return globMatch(pattern, name);
}

bool hasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

}  // namespace zemlar::cmd
