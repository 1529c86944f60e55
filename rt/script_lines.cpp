#include "rt/script_lines.hpp"

#include <algorithm>
#include <array>

namespace zemlar {

namespace {
constexpr std::size_t kReadChunk = 4096;
}  // namespace

bool ScriptLines::nextLine(std::string& line) {
  std::size_t searchFrom = pos_;
  std::size_t end;
  while ((end = buffer_.find('\n', searchFrom)) == std::string::npos) {
    searchFrom = buffer_.size() - pos_;  // counted from pos_, which fill() moves to 0
    if (!fill()) {
      if (pos_ == buffer_.size()) {
        line.clear();
        return false;
      }
      end = buffer_.size();
      break;
    }
  }
  line.assign(buffer_, pos_, end - pos_);
  pos_ = std::min(end + 1, buffer_.size());
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// Appends the next chunk of the stream; false at its end.
bool ScriptLines::fill() {
  buffer_.erase(0, pos_);
  pos_ = 0;
  if (ended_) return false;
  std::array<char, kReadChunk> chunk;
  const std::size_t n = read_(chunk.data(), chunk.size());
  if (n == 0) {
    ended_ = true;
    return false;
  }
  buffer_.append(chunk.data(), n);
  return true;
}

}  // namespace zemlar
