#pragma once
// The input file as a ByteSource and the output file as a ByteSink. The output is
// written to a temporary file beside the target and renamed over the target only by
// commit(), so a failed conversion leaves neither the target nor the temporary file.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "tools/convertcp/conversion.hpp"

namespace zemlar::convertcp {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

class InputFile final : public ByteSource {
 public:
  explicit InputFile(const std::string& path);  // throws when it cannot be opened
  std::size_t read(char* buffer, std::size_t capacity) override;

 private:
  std::string path_;
  FileHandle file_;
};

class OutputFile final : public ByteSink {
 public:
  explicit OutputFile(const std::string& path);  // creates the temporary file; throws
  ~OutputFile() override;                        // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void write(std::string_view bytes) override;
  void commit();  // flushes, closes and renames over the target; throws

 private:
  [[noreturn]] void fail(int error) const;

  std::string path_;
  std::filesystem::path temporary_;
  FileHandle file_;
  bool committed_ = false;
};

}  // namespace zemlar::convertcp
