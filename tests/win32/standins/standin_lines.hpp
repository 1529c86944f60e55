#pragma once
// Small helpers of the find, findstr and sort stand-ins that the scripted run under
// Wine puts beside the program: Wine's own find rejects every switch, its findstr
// prints nothing and it has no sort. They know only the forms the tool checks use.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

inline std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

inline bool isSwitch(std::string_view arg) { return arg.size() >= 2 && arg[0] == '/'; }

// The lines of a file without their line ends; false when it cannot be read.
inline bool readLines(const std::string& name, std::vector<std::string>& lines) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return true;
}

// `find` and `findstr` with a search text and one file; /i is the only switch that counts.
struct Search {
  std::string text;
  std::string file;
  bool ignoreCase = false;
};

inline bool parseSearch(int argc, char** argv, Search& search) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (isSwitch(arg)) search.ignoreCase |= lowerAscii(arg) == "/i";
    else words.push_back(arg);
  }
  if (words.size() != 2) return false;
  search.text = words[0];
  search.file = words[1];
  return true;
}

inline bool matches(const Search& search, const std::string& line) {
  if (!search.ignoreCase) return line.find(search.text) != std::string::npos;
  return lowerAscii(line).find(lowerAscii(search.text)) != std::string::npos;
}

// Prints the matching lines; the exit code of both searches: 0 when some line matched.
inline int printMatches(const Search& search, const std::vector<std::string>& lines) {
  bool found = false;
  for (const std::string& line : lines) {
    if (!matches(search, line)) continue;
    std::cout << line << "\n";
    found = true;
  }
  return found ? 0 : 1;
}

}  // namespace standin
