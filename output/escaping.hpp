#pragma once
// Making inserted texts safe in the document. Bytes above 127 stay raw everywhere, so
// the conversion to UTF-8 turns them into the right characters.
#include <string>
#include <string_view>

namespace zemlar {

// For the search query inside an href: " # % & + < > and control bytes (0-31, 127)
// become %XX with capital hex digits; spaces and every other byte stay.
void appendQueryEscaped(std::string& out, std::string_view text);
std::string queryEscape(std::string_view text);

// Whether queryEscape leaves text unchanged; htmlEscape then does too, since every
// byte it replaces is one that queryEscape replaces.
bool needsNoEscape(std::string_view text);

// A quick test made of comparisons only, so that loops over it vectorize: true for every
// byte queryEscape replaces (the controls and " # % & + lie below ',', < and > between
// ';' and '?'), and also for a few that stay (space ! $ ' ( ) * =), which needsNoEscape
// then tells apart.
constexpr bool mayNeedEscape(unsigned char c) {
  return (c < ',') | (static_cast<unsigned char>(c - '<') < 3) | (c == 127);
}

// For text and attribute values: & < > " become &amp; &lt; &gt; &quot;.
void appendHtmlEscaped(std::string& out, std::string_view text);
std::string htmlEscape(std::string_view text);

}  // namespace zemlar
