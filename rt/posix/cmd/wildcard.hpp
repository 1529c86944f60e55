#pragma once
// File name patterns as the native file system matches them: letters A-Z match in
// either case, '*' any run of characters, '?' one character, "*." only names without an
// extension, and a trailing ".*" also names without one (so "*.*" matches every name).
#include <string_view>

namespace zemlar::cmd {

bool matchesWildcard(std::string_view pattern, std::string_view name);
bool hasWildcard(std::string_view text);

}  // namespace zemlar::cmd
