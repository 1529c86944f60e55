#include "rt/posix/cmd/command_line.hpp"

#include <optional>

#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  return text.substr(i);
}

std::string_view trimBlanks(std::string_view text) {
  text = skipBlanks(text);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// True when text begins with keyword (any letter case) followed by a blank or by one
// of the characters in followers.
bool startsWithKeyword(std::string_view text, std::string_view keyword, std::string_view followers = {}) {
  if (text.size() <= keyword.size() || lcase(text.substr(0, keyword.size())) != keyword) return false;
  const char next = text[keyword.size()];
  return isBlank(next) || followers.find(next) != std::string_view::npos;
}

// The first word of text (quotes removed) and what follows it.
std::pair<std::string, std::string_view> firstWord(std::string_view text) {
  std::string word;
  bool quoted = false;
  size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && isBlank(c)) {
      break;
    } else {
      word += c;
    }
  }
  return {word, text.substr(i)};
}

// ---- redirections ----

struct Extracted {
  std::string commandText;  // the line with every redirection replaced by a blank
  std::vector<Redirection> redirections;
};

bool endsTarget(char c) { return isBlank(c) || c == '>' || c == '<' || c == '|' || c == '&'; }

// A digit 1 or 2 standing alone right before '>' names the handle to redirect.
int takeHandleDigit(std::string& commandText) {
  const size_t n = commandText.size();
  if (n == 0 || (commandText[n - 1] != '1' && commandText[n - 1] != '2')) return 1;
  if (n >= 2 && !isBlank(commandText[n - 2])) return 1;
  const int handle = commandText[n - 1] - '0';
  commandText.pop_back();
  return handle;
}

// Reads the target of a redirection starting at i; advances i past it.
std::string readTarget(std::string_view text, size_t& i) {
  while (i < text.size() && isBlank(text[i])) ++i;
  std::string target;
  bool quoted = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && endsTarget(c)) {
      break;
    } else {
      target += c;
    }
  }
  return target;
}

std::optional<Extracted> extractRedirections(std::string_view text) {
  Extracted result;
  bool quoted = false;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted || c != '>') {
      result.commandText += c;
      ++i;
      continue;
    }
    Redirection redirection;
    redirection.handle = takeHandleDigit(result.commandText);
    ++i;
    if (i < text.size() && text[i] == '>') {
      redirection.append = true;
      ++i;
    }
    redirection.target = readTarget(text, i);
    if (redirection.target.empty()) return std::nullopt;
    result.redirections.push_back(std::move(redirection));
    result.commandText += ' ';
  }
  return result;
}

// ---- cmd /c ----

bool isInterpreterName(std::string_view name) {
  const std::string lower = lcase(name);
  return lower == "cmd" || lower == "cmd.exe";
}

// The line that "cmd [switches] /c line" runs. A leading quote and the last quote of
// the line are removed, as the interpreter does with its /s switch.
std::string nestedLineOf(std::string_view argumentText) {
  std::string_view rest = skipBlanks(argumentText);
  while (!rest.empty() && rest.front() == '/') {
    auto [word, after] = firstWord(rest);
    rest = skipBlanks(after);
    const std::string lower = lcase(word);
    if (lower == "/c" || lower == "/k") break;
  }
  std::string line(rest);
  if (!line.empty() && line.front() == '"') {
    line.erase(0, 1);
    const size_t lastQuote = line.rfind('"');
    if (lastQuote != std::string::npos) line.erase(lastQuote, 1);
  }
  return line;
}

// ---- for loops ----

std::vector<std::string> splitSet(std::string_view set) {
  std::vector<std::string> items;
  std::string item;
  bool quoted = false;
  for (const char c : set) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (isBlank(c) || c == ',' || c == ';')) {
      if (!item.empty()) items.push_back(std::move(item));
      item.clear();
    } else {
      item += c;
    }
  }
  if (!item.empty()) items.push_back(std::move(item));
  return items;
}

// The text after "(" up to its closing ")", and what follows; nullopt when unclosed.
std::optional<std::pair<std::string_view, std::string_view>> parenthesised(std::string_view text) {
  if (text.empty() || text.front() != '(') return std::nullopt;
  bool quoted = false;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (!quoted && text[i] == ')') return std::pair{text.substr(1, i - 1), text.substr(i + 1)};
  }
  return std::nullopt;
}

ParsedLine syntaxError() {
  ParsedLine parsed;
  parsed.kind = ParsedLine::Kind::SyntaxError;
  return parsed;
}

// text is what follows the keyword "for".
ParsedLine parseForLoop(std::string_view text) {
  std::string_view rest = skipBlanks(text);
  if (rest.size() >= 2 && rest[0] == '%' && rest[1] == '%') rest.remove_prefix(1);
  if (rest.size() < 3 || rest[0] != '%') return syntaxError();
  const char variable = rest[1];
  if (!isBlank(rest[2]) || isBlank(variable)) return syntaxError();
  rest = skipBlanks(rest.substr(2));
  if (!startsWithKeyword(rest, "in", "(")) return syntaxError();
  const auto set = parenthesised(skipBlanks(rest.substr(2)));
  if (!set) return syntaxError();
  rest = skipBlanks(set->second);
  if (!startsWithKeyword(rest, "do")) return syntaxError();
  const std::string_view body = trimBlanks(rest.substr(2));
  if (body.empty()) return syntaxError();

  ParsedLine parsed;
  parsed.kind = ParsedLine::Kind::Loop;
  parsed.loop = ForLoop{variable, splitSet(set->first), std::string(body)};
  return parsed;
}

bool needsQuotes(std::string_view value) {
  return value.find_first_of(" \t><&|") != std::string_view::npos;
}

}  // namespace

// ---- the line ----

ParsedLine parseCommandLine(std::string_view line) {
  const std::string_view text = skipBlanks(line);
  if (text.empty()) return {};
  if (startsWithKeyword(text, "for")) return parseForLoop(text.substr(3));

  auto extracted = extractRedirections(text);
  if (!extracted) return syntaxError();

  ParsedLine parsed;
  parsed.redirections = std::move(extracted->redirections);
  auto [name, after] = firstWord(skipBlanks(extracted->commandText));
  const std::string_view argumentText = trimBlanks(after);
  if (isInterpreterName(name)) {
    parsed.kind = ParsedLine::Kind::Nested;
    parsed.nestedLine = nestedLineOf(argumentText);
    return parsed;
  }
  parsed.kind = ParsedLine::Kind::Command;
  parsed.command.name = std::move(name);
  parsed.command.argumentText = std::string(argumentText);
  parsed.command.words = splitCommandWords(argumentText);
  return parsed;
}

std::vector<std::string> splitCommandWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && isBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::vector<std::string> splitProgramArguments(std::string_view text) {
  std::vector<std::string> arguments;
  size_t i = 0;
  const size_t n = text.size();
  for (;;) {
    while (i < n && isBlank(text[i])) ++i;
    if (i >= n) break;
    std::string argument;
    bool quoted = false;
    while (i < n && (quoted || !isBlank(text[i]))) {
      if (text[i] == '\\') {
        size_t end = i;
        while (end < n && text[end] == '\\') ++end;
        const size_t count = end - i;
        const bool beforeQuote = end < n && text[end] == '"';
        argument.append(beforeQuote ? count / 2 : count, '\\');
        i = end;
        if (beforeQuote && count % 2 == 1) {
          argument += '"';
          ++i;
        }
      } else if (text[i] == '"') {
        if (quoted && i + 1 < n && text[i + 1] == '"') {
          argument += '"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument += text[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::string substituteLoopVariable(std::string_view body, char variable, std::string_view value) {
  std::string result;
  bool quoted = false;
  for (size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '"') quoted = !quoted;
    if (c == '%' && i + 1 < body.size() && body[i + 1] == variable) {
      const bool quote = !quoted && needsQuotes(value);
      if (quote) result += '"';
      result += value;
      if (quote) result += '"';
      ++i;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace zemlar::cmd
