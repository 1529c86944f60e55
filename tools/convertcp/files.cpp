#include "tools/convertcp/files.hpp"

#include <cerrno>
#include <random>
#include <stdexcept>
#include <system_error>

#include "tools/convertcp/message.hpp"

namespace zemlar::convertcp {

namespace fs = std::filesystem;

namespace {

std::string reason(int error) { return std::generic_category().message(error); }

// "cannot open input file "in.txt": No such file or directory"
std::runtime_error failure(std::string_view what, std::string_view path, std::string_view why) {
  return std::runtime_error(joinMessage({what, " \"", path, "\": ", why}));
}

std::string randomTag() {
  static constexpr char kHex[] = "0123456789abcdef";
  std::random_device seed;
  std::string tag;
  for (unsigned value = seed(), i = 0; i < 8; ++i, value >>= 4) tag += kHex[value & 0xF];
  return tag;
}

}  // namespace

InputFile::InputFile(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) throw failure("cannot open input file", path_, reason(errno));
}

std::size_t InputFile::read(char* buffer, std::size_t capacity) {
  const std::size_t count = std::fread(buffer, 1, capacity, file_.get());
  if (count == 0 && std::ferror(file_.get()))
    throw failure("cannot read input file", path_, reason(errno));
  return count;
}

OutputFile::OutputFile(const std::string& path) : path_(path) {
  const fs::path target(path);
  if (target.filename().empty()) throw failure("output file", path, "names a folder");
  int error = 0;
  for (int attempt = 0; attempt < 20 && !file_; ++attempt) {
    temporary_ = target;
    temporary_ += joinMessage({".", randomTag(), ".tmp"});
    // "x": never open a file that already exists under the temporary name.
    file_.reset(std::fopen(temporary_.string().c_str(), "wbx"));
    error = errno;
    if (!file_ && error != EEXIST) break;
  }
  if (!file_) throw failure("cannot create output file", path, reason(error));
}

OutputFile::~OutputFile() {
  if (committed_) return;
  file_.reset();
  std::error_code ignored;
  fs::remove(temporary_, ignored);
}

void OutputFile::write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) fail(errno);
}

void OutputFile::commit() {
  if (std::fflush(file_.get()) != 0 || std::ferror(file_.get())) fail(errno);
  // A full disk may show only when the file is closed.
  const int closed = std::fclose(file_.release());
  if (closed != 0) fail(errno);
  std::error_code error;
  fs::rename(temporary_, path_, error);
  if (error) throw failure("cannot replace output file", path_, error.message());
  committed_ = true;
}

void OutputFile::fail(int error) const {
  throw failure("cannot write output file", path_, reason(error));
}

}  // namespace zemlar::convertcp
