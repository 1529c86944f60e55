#pragma once
// Numbered text files: numbers 1-255 from nextFileNumber, read line by line with the
// text-mode rules of the native platform, written in binary with 8192-byte buffers.
// Every operation returns a status that the stages may ignore.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rt/print.hpp"

namespace zemlar {

enum class FileStatus : int {
  Ok = 0,
  BadNumber = 1,   // outside 1-255, in use when opening, not in use otherwise
  CannotOpen = 2,  // cannot be opened or created
  IoError = 3,     // a write or positioning failure
};

class OpenFile;

class FileTable {
 public:
  static constexpr int kFiles = 255;
  static constexpr size_t kBufferSize = 8192;

  FileTable();
  ~FileTable();
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  int nextFileNumber() const;
  FileStatus openInput(std::string_view name, int number);
  FileStatus openOutput(std::string_view name, int number);
  FileStatus readLine(int number, std::string& target);
  bool atEnd(int number);
  FileStatus rewind(int number);
  FileStatus print(int number, std::string_view text, Sep sep);
  FileStatus close(int number);
  void closeAll();

 private:
  OpenFile* entry(int number) const;
  std::array<std::unique_ptr<OpenFile>, kFiles> entries_;
};

// The program's one file table, closed by endProgram.
int nextFileNumber();
namespace TextFile {
FileStatus openInput(std::string_view name, int number);
FileStatus openOutput(std::string_view name, int number);
FileStatus readLine(int number, std::string& target);
bool atEnd(int number);
FileStatus rewind(int number);
FileStatus print(int number, std::string_view text, Sep sep);
FileStatus close(int number);
void closeAll();
// Deletes a file by name; true when it is gone afterwards (also when it never existed).
// A folder of that name is left alone (false).
bool remove(std::string_view name);
// Whether a file of that name exists (a folder is not a file).
bool exists(std::string_view name);
}  // namespace TextFile

}  // namespace zemlar
