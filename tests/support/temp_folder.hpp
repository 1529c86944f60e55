#pragma once
// A temporary folder for one test, removed with everything in it at the end. The
// current folder moves into it while the test runs when asked to.
#include <filesystem>
#include <string>
#include <string_view>

namespace zemlar::test {

class TempFolder {
 public:
  explicit TempFolder(bool enter = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  void write(std::string_view name, std::string_view bytes) const;
  std::string read(std::string_view name) const;
  bool exists(std::string_view name) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

// The whole content of a file, or the empty string when it cannot be read.
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace zemlar::test
