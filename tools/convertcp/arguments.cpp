#include "tools/convertcp/arguments.hpp"

#include <optional>

#include "tools/convertcp/message.hpp"

namespace zemlar::convertcp {

namespace {

bool isSwitch(std::string_view word, char letter) {
  return word.size() == 2 && (word[0] == '/' || word[0] == '-') && (word[1] | 0x20) == letter;
}

}  // namespace

std::variant<Arguments, ArgumentError> parseArguments(std::span<const std::string_view> words) {
  if (words.size() < 2) return ArgumentError{"missing code pages"};
  Arguments arguments;
  for (int i = 0; i < 2; ++i) {
    const std::optional<CodePage> page = parseCodePage(words[i]);
    if (!page) return ArgumentError{joinMessage({"unknown code page \"", words[i], "\""})};
    (i == 0 ? arguments.from : arguments.to) = *page;
  }
  std::optional<std::string> input, output;
  for (std::size_t i = 2; i < words.size(); i += 2) {
    const bool isInput = isSwitch(words[i], 'i');
    if (!isInput && !isSwitch(words[i], 'o')) return ArgumentError{joinMessage({"unknown argument \"", words[i], "\""})};
    std::optional<std::string>& slot = isInput ? input : output;
    if (slot) return ArgumentError{joinMessage({"\"", words[i], "\" given twice"})};
    if (i + 1 == words.size() || words[i + 1].empty())
      return ArgumentError{joinMessage({"missing file name after \"", words[i], "\""})};
    slot = std::string(words[i + 1]);
  }
  if (!input) return ArgumentError{"missing input file (/i)"};
  if (!output) return ArgumentError{"missing output file (/o)"};
  arguments.input = *input;
  arguments.output = *output;
  return arguments;
}

}  // namespace zemlar::convertcp
