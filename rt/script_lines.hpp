#pragma once
// Scripted input: a byte stream (standard input that is not a console) handed out a
// line at a time, without its LF or CR LF. The key prompts and the line entry share
// one, so each takes the line after the last.
#include <cstddef>
#include <functional>
#include <string>

namespace zemlar {

class ScriptLines {
 public:
  // Reads up to room bytes into the buffer; 0 at the end of the stream.
  using Reader = std::function<std::size_t(char* into, std::size_t room)>;

  explicit ScriptLines(Reader read) : read_(std::move(read)) {}

  // The next line; false (and line empty) when the stream has ended.
  bool nextLine(std::string& line);

 private:
  bool fill();

  Reader read_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool ended_ = false;
};

}  // namespace zemlar
