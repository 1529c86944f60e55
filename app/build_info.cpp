#include "app/build_info.hpp"

#ifndef ZEMLAR_BUILD_NAME
#error "ZEMLAR_BUILD_NAME names the build"
#endif

namespace zemlar::build {

std::string_view name() { return ZEMLAR_BUILD_NAME; }
bool finalScreenShowsConvertedName() { return name() == "zemlar_01_063"; }

}  // namespace zemlar::build
