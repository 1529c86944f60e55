#pragma once
// The print layer: items followed by a separator, the number text, print zones.
// Pure logic over a PrintDevice; the console and each output text file are devices.
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlar {

enum class Sep { None, EndLine, Zone };

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr int32_t kZoneWidth = 14;

// " 7", " 0", "-3": a leading space unless negative.
std::string numberText(int32_t n);

// Where the bytes of a device go, and the column the print layer keeps for it.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  // Writes all bytes; false when some could not be written.
  virtual bool writeBytes(std::string_view bytes) = 0;

  int32_t column = 0;  // bytes since the last CR or LF, modulo width when width != 0
  int32_t width = 0;   // 0: unlimited
};

// The column after writing bytes from the given column; each device keeps its own.
int32_t columnAfter(int32_t column, int32_t width, std::string_view bytes);

// The bytes a zone separator writes at column c on a device of width w:
// spaces up to the next multiple of 14, or a line end when that zone is too near the edge.
std::string zonePadding(int32_t column, int32_t width);

// Prints one item and its separator; false when a write failed.
bool printItem(PrintDevice& device, std::string_view item, Sep sep);
// The number text; with Sep::EndLine the line end goes out in the same write.
bool printNumber(PrintDevice& device, int32_t n, Sep sep);

}  // namespace zemlar
