// convertcp <from> <to> /i "<input file>" /o "<output file>": converts a whole file from
// one code page to another. Exit code 0 on success; on any error one line on standard
// error, a non-zero exit code, and no output file.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/convertcp/arguments.hpp"
#include "tools/convertcp/files.hpp"
#include "tools/convertcp/message.hpp"

using namespace zemlar::convertcp;

namespace {

constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

void reportReplacements(const Arguments& arguments, const ConversionCounts& counts) {
  std::string line;
  if (counts.undefinedInput > 0)
    line = joinMessage({std::to_string(counts.undefinedInput), " byte sequences undefined in code page ",
                        std::to_string(arguments.from.number), " became U+FFFD"});
  if (counts.unrepresentableOutput > 0)
    line += joinMessage({line.empty() ? "" : "; ", std::to_string(counts.unrepresentableOutput),
                         " characters not in code page ", std::to_string(arguments.to.number), " became \"?\""});
  if (!line.empty()) std::fprintf(stderr, "convertcp: %s\n", line.c_str());
}

int run(const Arguments& arguments) {
  InputFile input(arguments.input);
  OutputFile output(arguments.output);
  const ConversionCounts counts = convert(input, output, arguments.from, arguments.to);
  output.commit();
  reportReplacements(arguments, counts);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = parseArguments(words);
  if (const auto* error = std::get_if<ArgumentError>(&parsed)) {
    std::fprintf(stderr, "convertcp: %s; %s\n", error->message.c_str(), std::string(kUsage).c_str());
    return kBadArguments;
  }
  try {
    return run(std::get<Arguments>(parsed));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "convertcp: %s\n", failure.what());
    return kFailed;
  }
}
