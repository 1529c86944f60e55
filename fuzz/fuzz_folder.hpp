#pragma once
// A private temporary folder for a fuzz target, made once, entered, and removed at exit.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz_check.hpp"

class FuzzFolder {
 public:
  FuzzFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "zemlar-fuzz-XXXXXX").string();
    FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
    path_ = name;
    std::filesystem::current_path(path_);
  }
  ~FuzzFolder() {
    std::error_code ignored;
    std::filesystem::current_path(path_.parent_path(), ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  static void write(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
  }
  static std::string read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path path_;
};
