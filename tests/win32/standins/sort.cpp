// sort file [/o out]: the lines in order, letter case ignored, to the output file or
// to standard output.
#include "standin_lines.hpp"

int main(int argc, char** argv) {
  std::string input;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (standin::lowerAscii(arg) == "/o" && i + 1 < argc) output = argv[++i];
    else if (!standin::isSwitch(arg)) input = arg;
  }
  std::vector<std::string> lines;
  if (input.empty() || !standin::readLines(input, lines)) {
    std::cerr << "The system cannot find the file specified.\n";
    return 1;
  }
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return standin::lowerAscii(a) < standin::lowerAscii(b);
  });
  if (output.empty()) {
    for (const std::string& line : lines) std::cout << line << "\n";
    return 0;
  }
  std::ofstream out(output, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
  return out ? 0 : 1;
}
