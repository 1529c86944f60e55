// find /i "text" file: a heading line with the file's name, then the matching lines.
// Standard output is in text mode, so "\n" goes out as CR LF.
#include "standin_lines.hpp"

int main(int argc, char** argv) {
  standin::Search search;
  std::vector<std::string> lines;
  if (!standin::parseSearch(argc, argv, search) || !standin::readLines(search.file, lines)) {
    std::cerr << "FIND: Parameter format not correct\n";
    return 2;
  }
  std::cout << "\n---------- " << search.file << "\n";
  return standin::printMatches(search, lines);
}
