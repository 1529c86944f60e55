#include "rt/print.hpp"

#include <string>

namespace zemlar {

std::string numberText(int32_t n) {
  std::string digits = std::to_string(n);
  return n < 0 ? digits : " " + digits;
}

int32_t columnAfter(int32_t column, int32_t width, std::string_view bytes) {
  size_t lineStart = bytes.size();  // just after the last CR or LF; 0 when there is none
  while (lineStart > 0 && bytes[lineStart - 1] != '\r' && bytes[lineStart - 1] != '\n') --lineStart;
  int64_t next = lineStart == 0 ? int64_t{column} + static_cast<int64_t>(bytes.size())
                                : static_cast<int64_t>(bytes.size() - lineStart);
  if (width != 0) next %= width;
  return static_cast<int32_t>(next);
}

std::string zonePadding(int32_t column, int32_t width) {
  const int32_t zone = (column / kZoneWidth + 1) * kZoneWidth;
  if (width != 0 && zone >= width - kZoneWidth) return std::string(kLineEnd);
  return std::string(static_cast<size_t>(zone - column), ' ');
}

namespace {

bool writeTracked(PrintDevice& device, std::string_view bytes) {
  if (bytes.empty()) return true;
  const bool ok = device.writeBytes(bytes);
  device.column = columnAfter(device.column, device.width, bytes);
  return ok;
}

// An item followed by a line end: its column does not matter, the line end sets 0.
bool writeBeforeLineEnd(PrintDevice& device, std::string_view bytes) {
  return bytes.empty() || device.writeBytes(bytes);
}

bool writeSeparator(PrintDevice& device, Sep sep) {
  switch (sep) {
    case Sep::None: return true;
    case Sep::EndLine: return writeTracked(device, kLineEnd);
    case Sep::Zone: return writeTracked(device, zonePadding(device.column, device.width));
  }
  return true;
}

}  // namespace

bool printItem(PrintDevice& device, std::string_view item, Sep sep) {
  const bool itemOk = sep == Sep::EndLine ? writeBeforeLineEnd(device, item) : writeTracked(device, item);
  const bool sepOk = writeSeparator(device, sep);
  return itemOk && sepOk;
}

bool printNumber(PrintDevice& device, int32_t n, Sep sep) {
  std::string text = numberText(n);
  if (sep == Sep::EndLine) {
    text += kLineEnd;
    return writeTracked(device, text);
  }
  return printItem(device, text, sep);
}

}  // namespace zemlar
