#pragma once
// The ten Windows code pages the address lists may be written in.
#include <array>
#include <string_view>

namespace zemlar {

struct CodePageEntry {
  std::string_view name;
  std::string_view description;
};

// Every name begins with "Windows-"; the number follows from its 9th character.
inline constexpr std::array<CodePageEntry, 10> codePageTable = {{
    {"Windows-1250",
     "Central Europe languages: Albanian, Croatian, Czech, Hungarian, Polish, Romanian, Serbian "
     "(Latin), Slovak, Slovenian"},
    {"Windows-1251",
     "Cyrillic languages: Azeri, Belarusian, Bulgarian, Macedonian, Kazakh, Kyrgyz, Mongolian, "
     "Russian, Serbian, Tatar, Ukrainian, Uzbek"},
    {"Windows-1252",
     "Latin 1 languages: Afrikaans, Basque, Catalan, Danish, Dutch, English, Faroese, Finnish, "
     "French, Galician, German, Icelandic, Indonesian, Italian, Malay, Norwegian, Portuguese, "
     "Spanish, Swahili, Swedish"},
    {"Windows-1253", "Greek"},
    {"Windows-1254", "Turkic languages: Azeri (Latin), Turkish, Uzbek (Latin)"},
    {"Windows-1255", "Hebrew"},
    {"Windows-1256", "Arabic, Farsi, Urdu"},
    {"Windows-1257", "Baltic languages: Estonian, Latvian, Lithuanian"},
    {"Windows-1258", "Vietnamese"},
    {"Windows-54936", "China"},
}};

inline constexpr int kCodePageCount = static_cast<int>(codePageTable.size());

}  // namespace zemlar
