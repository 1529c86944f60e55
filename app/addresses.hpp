#pragma once
// Every address the program itself names. All of them use the reserved .example domain.
#include <string_view>

namespace zemlar::addresses {

inline constexpr std::string_view kSearchHost = "www.google.com";
// The page that describes the program (the document's "More info" line); the final
// screen shows it without the scheme.
inline constexpr std::string_view kInfoPage = "http://www.zemlar.example/search-list";
inline constexpr std::string_view kInfoPageWithoutScheme = "www.zemlar.example/search-list";
// The maker's page, on the terms screen and in the renaming instructions.
inline constexpr std::string_view kMakerPage = "http://www.zemlar.example";
// The same page as the terms screen names it, without the scheme.
inline constexpr std::string_view kMakerPageWithoutScheme = "www.zemlar.example";
inline constexpr std::string_view kAttribution = "Made by the zemlar team, www.zemlar.example";
// Example site names of the renaming instructions.
inline constexpr std::string_view kExampleWww = "www.example-shop.example";
inline constexpr std::string_view kExampleHttp = "http.example-shop.example";
inline constexpr std::string_view kExampleHttps = "https.example-shop.example";

}  // namespace zemlar::addresses
