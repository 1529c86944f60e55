// The text file reader over a file of arbitrary bytes: the lines read with atEnd and
// readLine are those of the text-mode rules, never more than the data holds, and a
// rewind, after reading any number of lines, gives the same lines again.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "fuzz_check.hpp"
#include "fuzz_folder.hpp"
#include "rt/textfile.hpp"
#include "text_lines.hpp"

using namespace zemlar;

namespace {

std::vector<std::string> readAll(FileTable& files, int number, std::size_t limit) {
  std::vector<std::string> lines;
  std::string line;
  while (!files.atEnd(number)) {
    FUZZ_CHECK(lines.size() <= limit);  // more lines than the data can hold
    FUZZ_CHECK(files.readLine(number, line) == FileStatus::Ok);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static FuzzFolder folder;
  FuzzedDataProvider in(data, size);
  const std::size_t readBeforeRewind = in.ConsumeIntegralInRange<std::size_t>(0, 8);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  FuzzFolder::write("list.txt", bytes);

  FileTable files;
  const int number = files.nextFileNumber();
  FUZZ_CHECK(files.openInput("list.txt", number) == FileStatus::Ok);
  const std::vector<std::string> lines = readAll(files, number, bytes.size() + 1);
  FUZZ_CHECK(lines == expectedTextLines(bytes));

  std::string line;
  for (std::size_t i = 0; i < readBeforeRewind && !files.atEnd(number); ++i) files.readLine(number, line);
  FUZZ_CHECK(files.rewind(number) == FileStatus::Ok);
  FUZZ_CHECK(readAll(files, number, bytes.size() + 1) == lines);
  FUZZ_CHECK(files.close(number) == FileStatus::Ok);
  return 0;
}
