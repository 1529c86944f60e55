// findstr /i "text" file: the matching lines.
#include "standin_lines.hpp"

int main(int argc, char** argv) {
  standin::Search search;
  std::vector<std::string> lines;
  if (!standin::parseSearch(argc, argv, search) || !standin::readLines(search.file, lines)) {
    std::cerr << "FINDSTR: Bad command line\n";
    return 2;
  }
  return standin::printMatches(search, lines);
}
