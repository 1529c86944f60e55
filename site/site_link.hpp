#pragma once
#include <string>

namespace zemlar {

// The user's site, learnt from the program's own file name.
struct SiteLink {
  std::string link;             // "http://www.example-shop.test"
  std::string siteProgramName;  // "www.example-shop.test.exe"
  friend bool operator==(const SiteLink&, const SiteLink&) = default;
};

}  // namespace zemlar
