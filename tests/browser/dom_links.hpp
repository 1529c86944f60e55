#pragma once
// The links of a serialized DOM and the search query a link sends, decoded as the
// search server receives it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemlar::browser {

struct Link {
  std::string href;  // the attribute value, character references resolved
  std::string text;  // the element's text, character references resolved
};

// Every <a> element with an href, in document order.
std::vector<Link> linksOf(std::string_view dom);

// The value of the one "q" parameter of the address's query (before any '#'), with '+'
// as a space and %XX decoded; none when the query holds no "q" or more than one parameter.
std::optional<std::string> searchQuery(std::string_view href);

}  // namespace zemlar::browser
