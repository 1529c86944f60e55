#pragma once
// The lines a text-mode reader must give for some file bytes, written down independently
// of the reader: byte 26 ends the data, LF ends a line, one CR before the line end is
// dropped, and a last LF starts no further line.
#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> expectedTextLines(std::string_view bytes) {
  const std::size_t endOfText = bytes.find('\x1a');
  const std::string_view data = bytes.substr(0, endOfText);
  std::vector<std::string> lines;
  if (bytes.empty()) return lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t stop = data.find('\n', start);
    std::string line(data.substr(start, stop == std::string_view::npos ? stop : stop - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (stop == std::string_view::npos) {
      // After a last LF only a byte 26 still gives a (final, empty or not) line.
      if (start < data.size() || endOfText != std::string_view::npos) lines.push_back(line);
      break;
    }
    lines.push_back(line);
    start = stop + 1;
  }
  return lines;
}
