#include "rt/textfile.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "rt/platform.hpp"
#include "rt/process.hpp"

namespace zemlar {

namespace {

constexpr char kEndOfText = 26;  // Ctrl+Z: the text mode's end of readable data

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string platformName(std::string_view name) {
  std::string withBackslashes(name);
  std::replace(withBackslashes.begin(), withBackslashes.end(), '/', '\\');
  return platform::nativePath(withBackslashes);
}

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

// ---- open files ------------------------------------------------------------------

class OpenFile {
 public:
  virtual ~OpenFile() = default;
  virtual bool isInput() const = 0;
};

// An input file read in binary and split into lines by the native text-mode rules:
// CR LF reads as LF, byte 26 ends the data, a CR that is the last byte is dropped.
class InputFile final : public OpenFile {
 public:
  InputFile(FileHandle file, int64_t size) : file_(std::move(file)), size_(size) {}
  bool isInput() const override { return true; }

  void readLine(std::string& target) {
    target.clear();
    while (!endOfData_) {
      if (next_ == dataEnd_ && !refill()) break;
      const char* begin = buffer_.data() + next_;
      const size_t available = dataEnd_ - next_;
      const char* stop = static_cast<const char*>(std::memchr(begin, '\n', available));
      if (stop) {
        target.append(begin, stop);
        consume(static_cast<size_t>(stop - begin) + 1);
        if (!target.empty() && target.back() == '\r') target.pop_back();
        return;
      }
      target.append(begin, available);
      consume(available);
    }
    if (!target.empty() && target.back() == '\r') target.pop_back();  // CR last in the data
  }

  bool atEnd() const { return endOfData_ || position_ >= size_; }

  bool rewind() {
    next_ = dataEnd_ = 0;
    position_ = 0;
    endOfData_ = endOfTextInBuffer_ = false;
    return std::fseek(file_.get(), 0, SEEK_SET) == 0;
  }

 private:
  // The next piece of the file, up to its first byte 26 if it holds one; false when
  // there is no more data.
  bool refill() {
    if (endOfTextInBuffer_) endOfData_ = true;
    if (endOfData_) return false;
    next_ = 0;
    const size_t filled = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    const void* endOfText = std::memchr(buffer_.data(), kEndOfText, filled);
    endOfTextInBuffer_ = endOfText != nullptr;
    dataEnd_ = endOfText ? static_cast<size_t>(static_cast<const char*>(endOfText) - buffer_.data()) : filled;
    if (filled == 0) endOfData_ = true;  // end of file or a read error: no more data
    return !endOfData_;
  }
  void consume(size_t n) {
    next_ += n;
    position_ += static_cast<int64_t>(n);
  }

  FileHandle file_;
  int64_t size_;
  int64_t position_ = 0;  // bytes of the file consumed so far
  bool endOfData_ = false;
  std::array<char, FileTable::kBufferSize> buffer_{};
  size_t next_ = 0;
  size_t dataEnd_ = 0;  // bytes of the buffer before its first byte 26, or all it holds
  bool endOfTextInBuffer_ = false;
};

// An output file written in binary through a buffer of 8192 bytes, written out when
// full and at close. Any byte that does not reach the file makes the file failed.
class OutputFile final : public OpenFile, public PrintDevice {
 public:
  explicit OutputFile(FileHandle file) : file_(std::move(file)) {
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
  }
  ~OutputFile() override { close(); }
  bool isInput() const override { return false; }

  // The buffer is filled up and written out whole, so every write but the last covers
  // exactly 8192 bytes at a multiple of 8192 in the file: whole pages, fewer of them.
  // Bytes that would fill whole buffers go out directly, as many buffers at once.
  bool writeBytes(std::string_view bytes) override {
    if (used_ > 0) {
      const size_t taken = std::min(bytes.size(), buffer_.size() - used_);
      std::memcpy(buffer_.data() + used_, bytes.data(), taken);
      used_ += taken;
      bytes.remove_prefix(taken);
      if (used_ < buffer_.size()) return true;
      if (!flush()) return false;
    }
    const size_t whole = bytes.size() - bytes.size() % buffer_.size();
    if (whole > 0 && !put(bytes.substr(0, whole))) return false;
    bytes.remove_prefix(whole);
    std::memcpy(buffer_.data(), bytes.data(), bytes.size());
    used_ = bytes.size();
    return true;
  }
  // Writes out the buffer and closes; false when some byte did not reach the file.
  bool close() {
    if (!file_) return !failed_;
    flush();
    if (std::fclose(file_.release()) != 0) failed_ = true;
    return !failed_;
  }

 private:
  bool flush() {
    const bool ok = put({buffer_.data(), used_});
    used_ = 0;
    return ok;
  }
  bool put(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) failed_ = true;
    return !failed_;
  }

  FileHandle file_;
  std::array<char, FileTable::kBufferSize> buffer_{};
  size_t used_ = 0;
  bool failed_ = false;
};

// ---- the table -------------------------------------------------------------------

namespace {
InputFile* asInput(OpenFile* file) {
  return file && file->isInput() ? static_cast<InputFile*>(file) : nullptr;
}
OutputFile* asOutput(OpenFile* file) {
  return file && !file->isInput() ? static_cast<OutputFile*>(file) : nullptr;
}
}  // namespace

FileTable::FileTable() = default;
FileTable::~FileTable() { closeAll(); }

OpenFile* FileTable::entry(int number) const {
  if (number < 1 || number > kFiles) return nullptr;
  return entries_[static_cast<size_t>(number - 1)].get();
}

int FileTable::nextFileNumber() const {
  for (int n = 1; n <= kFiles; ++n)
    if (!entries_[static_cast<size_t>(n - 1)]) return n;
  return 0;
}

FileStatus FileTable::openInput(std::string_view name, int number) {
  if (number < 1 || number > kFiles || entry(number)) return FileStatus::BadNumber;
  const std::string path = platformName(name);
  if (isDirectory(path)) return FileStatus::CannotOpen;
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return FileStatus::CannotOpen;
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // the reader keeps its own 8192 bytes
  int64_t size = 0;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return FileStatus::CannotOpen;
  entries_[static_cast<size_t>(number - 1)] = std::make_unique<InputFile>(std::move(file), size);
  return FileStatus::Ok;
}

FileStatus FileTable::openOutput(std::string_view name, int number) {
  if (number < 1 || number > kFiles || entry(number)) return FileStatus::BadNumber;
  const std::string path = platformName(name);
  if (isDirectory(path)) return FileStatus::CannotOpen;
  FileHandle file(std::fopen(path.c_str(), "wb"));
  if (!file) return FileStatus::CannotOpen;
  entries_[static_cast<size_t>(number - 1)] = std::make_unique<OutputFile>(std::move(file));
  return FileStatus::Ok;
}

FileStatus FileTable::readLine(int number, std::string& target) {
  auto* input = asInput(entry(number));
  if (!input) {
    if (!entry(number)) return FileStatus::BadNumber;
    return FileStatus::Ok;  // an output file has nothing to read
  }
  input->readLine(target);
  return FileStatus::Ok;
}

bool FileTable::atEnd(int number) {
  OpenFile* file = entry(number);
  if (!file) return true;
  if (auto* input = asInput(file)) return input->atEnd();
  return false;
}

FileStatus FileTable::rewind(int number) {
  OpenFile* file = entry(number);
  if (!file) return FileStatus::BadNumber;
  if (auto* input = asInput(file))
    return input->rewind() ? FileStatus::Ok : FileStatus::IoError;
  return FileStatus::Ok;
}

FileStatus FileTable::print(int number, std::string_view text, Sep sep) {
  auto* output = asOutput(entry(number));
  if (!output) return FileStatus::BadNumber;
  return printItem(*output, text, sep) ? FileStatus::Ok : FileStatus::IoError;
}

FileStatus FileTable::close(int number) {
  OpenFile* file = entry(number);
  if (!file) return FileStatus::BadNumber;
  bool ok = true;
  if (auto* output = asOutput(file)) ok = output->close();
  entries_[static_cast<size_t>(number - 1)].reset();
  return ok ? FileStatus::Ok : FileStatus::IoError;
}

void FileTable::closeAll() {
  for (int n = 1; n <= kFiles; ++n)
    if (entry(n)) close(n);
}

// ---- the program's table ---------------------------------------------------------

namespace {
FileTable& programFiles() {
  static FileTable table;
  static const bool registered = (registerEndAction([] { table.closeAll(); }), true);
  (void)registered;
  return table;
}
}  // namespace

int nextFileNumber() { return programFiles().nextFileNumber(); }

namespace TextFile {
FileStatus openInput(std::string_view name, int number) { return programFiles().openInput(name, number); }
FileStatus openOutput(std::string_view name, int number) { return programFiles().openOutput(name, number); }
FileStatus readLine(int number, std::string& target) { return programFiles().readLine(number, target); }
bool atEnd(int number) { return programFiles().atEnd(number); }
FileStatus rewind(int number) { return programFiles().rewind(number); }
FileStatus print(int number, std::string_view text, Sep sep) { return programFiles().print(number, text, sep); }
FileStatus close(int number) { return programFiles().close(number); }
void closeAll() { programFiles().closeAll(); }

bool remove(std::string_view name) {
  std::error_code ec;
  const std::string path = platformName(name);
  if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec))) return false;  // not a file
  std::filesystem::remove(path, ec);
  return !std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

bool exists(std::string_view name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(platformName(name), ec);
}
}  // namespace TextFile

}  // namespace zemlar
