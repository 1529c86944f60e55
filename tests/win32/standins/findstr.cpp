// findstr /i "text" file: the matching lines.
#include "standin_lines.hpp"

int main(int argc, char** argv) {
  standin::Search search;
  std::vector<std::string> lines;
  if (!standin::parseSearch(argc, argv, search) || !standin::readLines(search.file, lines)) {
    std::cerr << "FINDSTR: Bad command line\n";
    return 2;
  }
  bool found = false;
  for (const std::string& line : lines) {
    if (!standin::matches(search, line)) continue;
    std::cout << line << "\n";
    found = true;
  }
  return found ? 0 : 1;
}
