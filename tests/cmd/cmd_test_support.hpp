#pragma once
// Shared pieces of the command layer tests: a fresh folder per test that is the
// current folder while the test runs, and an output that keeps what commands write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "rt/posix/cmd/command_output.hpp"
#include "rt/posix/cmd/interpreter.hpp"

namespace zemlar::cmd::test {

namespace fs = std::filesystem;

struct CapturedOutput final : CommandOutput {
  std::string out;
  std::string err;
  void writeOutput(std::string_view bytes) override { out += bytes; }
  void writeError(std::string_view bytes) override { err += bytes; }
};

inline void writeFile(const fs::path& path, std::string_view content) {
  std::ofstream(path, std::ios::binary) << content;
}

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines that hold more than spaces, as the tool checks count them.
inline int countNonBlankLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \r") != std::string::npos) ++count;
  }
  return count;
}

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("zemlar_cmd_" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  int run(std::string_view line) {
    output.out.clear();
    output.err.clear();
    return runCommandLine(line, output);
  }

  CapturedOutput output;

 private:
  fs::path previous_;
  fs::path folder_;
};

}  // namespace zemlar::cmd::test
