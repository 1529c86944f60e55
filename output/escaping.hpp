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

// For text and attribute values: & < > " become &amp; &lt; &gt; &quot;.
void appendHtmlEscaped(std::string& out, std::string_view text);
std::string htmlEscape(std::string_view text);

}  // namespace zemlar
