#pragma once
// Constants of the build: the two delivered programs differ only here.
#include <string_view>

namespace zemlar::build {

// "zemlar_01_064" or "zemlar_01_063".
std::string_view name();
// The second build names the converted document on its final screen instead of the
// delivered one.
bool finalScreenShowsConvertedName();

}  // namespace zemlar::build
