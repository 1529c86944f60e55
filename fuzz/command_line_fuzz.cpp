// The command layer's parsing of arbitrary lines: the command line parser, both word
// splitters, the loop variable substitution and the wildcard matcher.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.hpp"
#include "rt/posix/cmd/command_line.hpp"
#include "rt/posix/cmd/wildcard.hpp"

using namespace zemlar::cmd;

namespace {

bool holds(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

void checkParsedLine(const ParsedLine& parsed) {
  for (const Redirection& redirection : parsed.redirections)
    FUZZ_CHECK(redirection.handle == 1 || redirection.handle == 2);
  if (parsed.kind == ParsedLine::Kind::Loop) FUZZ_CHECK(!parsed.loop.body.empty());
}

void checkWildcard(std::string_view pattern, std::string_view name) {
  matchesWildcard(pattern, name);
  hasWildcard(pattern);
  FUZZ_CHECK(matchesWildcard("*", name));
  FUZZ_CHECK(matchesWildcard("*.*", name));
  const bool plainName = !name.empty() && !holds(name, '*') && !holds(name, '?') && !holds(name, '.');
  if (plainName) FUZZ_CHECK(matchesWildcard(name, name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const char variable = in.ConsumeIntegral<char>();
  const std::string value = in.ConsumeRandomLengthString(64);
  const std::string pattern = in.ConsumeRandomLengthString(64);
  const std::string line = in.ConsumeRemainingBytesAsString();

  checkParsedLine(parseCommandLine(line));
  for (const std::string& word : splitCommandWords(line)) FUZZ_CHECK(!holds(word, '"'));
  splitProgramArguments(line);
  substituteLoopVariable(line, variable, value);
  checkWildcard(pattern, line.substr(0, 300));
  return 0;
}
