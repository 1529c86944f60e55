// File names on Windows: the stages' names ('\' separated, any letter case) are the
// file system's own.
#include "rt/platform.hpp"

namespace zemlar::platform {

std::string nativePath(std::string_view name) { return std::string(name); }

}  // namespace zemlar::platform
