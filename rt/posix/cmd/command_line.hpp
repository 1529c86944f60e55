#pragma once
// Parsing of one cmd-style command line into what the interpreter runs. Pure: no file
// or process is touched here, so the quoting and redirection rules are tested with tables.
#include <string>
#include <string_view>
#include <vector>

namespace zemlar::cmd {

// "> file", ">> file", "2> file": standard output (handle 1) or error output (handle 2)
// sent to a file instead of the console.
struct Redirection {
  int handle = 1;
  bool append = false;
  std::string target;  // the file name as written, quotes removed
  friend bool operator==(const Redirection&, const Redirection&) = default;
};

// A command name and its arguments, redirections already taken out.
struct SimpleCommand {
  std::string name;                 // the first word, quotes removed
  std::string argumentText;         // the rest, quotes kept: programs split it their own way
  std::vector<std::string> words;   // argumentText split as the interpreter splits it
};

// "for %i in (set) do body": body runs once per item of the set, %i replaced.
struct ForLoop {
  char variable = 0;
  std::vector<std::string> items;   // the set, split at spaces, commas and semicolons
  std::string body;
};

struct ParsedLine {
  enum class Kind { Empty, Command, Nested, Loop, SyntaxError };
  Kind kind = Kind::Empty;
  SimpleCommand command;                  // Kind::Command
  std::string nestedLine;                 // Kind::Nested: what "cmd /c" runs
  std::vector<Redirection> redirections;  // Kind::Command and Kind::Nested, in line order
  ForLoop loop;                           // Kind::Loop
};

ParsedLine parseCommandLine(std::string_view line);

// The interpreter's own word splitting: blanks separate words outside double quotes,
// the quotes themselves are removed, backslashes are ordinary characters.
std::vector<std::string> splitCommandWords(std::string_view text);

// The program argument splitting of the native C runtime: quotes removed, 2n
// backslashes before a quote give n and the quote toggles, 2n+1 give n and a literal
// quote, "" inside quotes is a literal quote, other backslashes are ordinary.
std::vector<std::string> splitProgramArguments(std::string_view text);

// body with every %variable outside quotes replaced by value, quoted when value holds
// blanks or redirection characters, so a file name stays one word.
std::string substituteLoopVariable(std::string_view body, char variable, std::string_view value);

}  // namespace zemlar::cmd
