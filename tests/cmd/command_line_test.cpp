#include "rt/posix/cmd/command_line.hpp"

#include <gtest/gtest.h>

namespace zemlar::cmd {
namespace {

using Kind = ParsedLine::Kind;
using Words = std::vector<std::string>;

struct LineCase {
  const char* line;
  Kind kind;
  std::string name;                 // Command
  Words words;                      // Command
  std::string nestedLine;           // Nested
  std::vector<Redirection> redirections;
};

class ParseLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseLine, GivesCommandNestingAndRedirections) {
  const LineCase& c = GetParam();
  const ParsedLine parsed = parseCommandLine(c.line);
  ASSERT_EQ(parsed.kind, c.kind);
  if (c.kind == Kind::Command) {
    EXPECT_EQ(parsed.command.name, c.name);
    EXPECT_EQ(parsed.command.words, c.words);
  }
  if (c.kind == Kind::Nested) {
    EXPECT_EQ(parsed.nestedLine, c.nestedLine);
  }
  EXPECT_EQ(parsed.redirections, c.redirections);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseLine,
    ::testing::Values(
        LineCase{"", Kind::Empty, "", {}, "", {}},
        LineCase{"  \t ", Kind::Empty, "", {}, "", {}},
        LineCase{"chcp", Kind::Command, "chcp", {}, "", {}},
        LineCase{"dir > out_null.txt", Kind::Command, "dir", {}, "", {{1, false, "out_null.txt"}}},
        LineCase{"dir>out_null.txt", Kind::Command, "dir", {}, "", {{1, false, "out_null.txt"}}},
        LineCase{"dir *.>check_01.txt /b", Kind::Command, "dir", {"*.", "/b"}, "", {{1, false, "check_01.txt"}}},
        LineCase{"dir /b  txt_in\\*.txt > txt_file.txt", Kind::Command, "dir", {"/b", "txt_in\\*.txt"}, "",
                 {{1, false, "txt_file.txt"}}},
        LineCase{"dir >> log.txt", Kind::Command, "dir", {}, "", {{1, true, "log.txt"}}},
        LineCase{"dir>>log.txt", Kind::Command, "dir", {}, "", {{1, true, "log.txt"}}},
        LineCase{"dir > \"my file.txt\"", Kind::Command, "dir", {}, "", {{1, false, "my file.txt"}}},
        LineCase{"dir 2> err.txt", Kind::Command, "dir", {}, "", {{2, false, "err.txt"}}},
        LineCase{"del a2>x.txt", Kind::Command, "del", {"a2"}, "", {{1, false, "x.txt"}}},
        LineCase{"dir > a.txt > b.txt", Kind::Command, "dir", {}, "", {{1, false, "a.txt"}, {1, false, "b.txt"}}},
        LineCase{"find /i \"a > b\" x.txt", Kind::Command, "find", {"/i", "a > b", "x.txt"}, "", {}},
        LineCase{"copy /y search_out.htm Google_search_list.htm", Kind::Command, "copy",
                 {"/y", "search_out.htm", "Google_search_list.htm"}, "", {}},
        LineCase{"\"my prog\" \"a b\"c", Kind::Command, "my prog", {"a bc"}, "", {}},
        LineCase{"> only.txt", Kind::Command, "", {}, "", {{1, false, "only.txt"}}},
        LineCase{"dir >", Kind::SyntaxError, "", {}, "", {}},
        LineCase{"dir >> ", Kind::SyntaxError, "", {}, "", {}},
        LineCase{"cmd /c dir *. > check_01.txt", Kind::Nested, "", {}, "dir *.", {{1, false, "check_01.txt"}}},
        LineCase{"cmd /c find /i \".txt\" check_01.txt >  check_02.txt", Kind::Nested, "", {},
                 "find /i \".txt\" check_01.txt", {{1, false, "check_02.txt"}}},
        LineCase{"cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt", Kind::Nested, "", {},
                 "for %i in (check_*.txt) do del /q %i", {{1, true, "out_null.txt"}}},
        LineCase{"CMD.EXE /Q /C dir", Kind::Nested, "", {}, "dir", {}},
        LineCase{"cmd /c \"dir > x.txt\"", Kind::Nested, "", {}, "dir > x.txt", {}},
        LineCase{"cmd /c cmd /c dir", Kind::Nested, "", {}, "cmd /c dir", {}}));

struct LoopCase {
  const char* line;
  char variable;
  Words items;
  std::string body;
};

class ParseLoop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(ParseLoop, KeepsTheBodyWithItsRedirection) {
  const LoopCase& c = GetParam();
  const ParsedLine parsed = parseCommandLine(c.line);
  ASSERT_EQ(parsed.kind, Kind::Loop);
  EXPECT_EQ(parsed.loop.variable, c.variable);
  EXPECT_EQ(parsed.loop.items, c.items);
  EXPECT_EQ(parsed.loop.body, c.body);
  EXPECT_TRUE(parsed.redirections.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseLoop,
    ::testing::Values(
        LoopCase{"for %i in (check_*.txt) do del /q %i >> out_null.txt", 'i', {"check_*.txt"},
                 "del /q %i >> out_null.txt"},
        LoopCase{"FOR %f IN (a b,c;d) DO del %f", 'f', {"a", "b", "c", "d"}, "del %f"},
        LoopCase{"for %i in(\"a b.txt\" x) do del %i", 'i', {"\"a b.txt\"", "x"}, "del %i"},
        LoopCase{"for %%i in (x) do del %%i", 'i', {"x"}, "del %%i"}));

TEST(ParseLoop, MalformedLoopsAreSyntaxErrors) {
  for (const char* line : {"for %i in (a) do", "for %i (a) do del %i", "for i in (a) do del i",
                           "for %i in (a do del %i", "for %i in (a) del %i"}) {
    EXPECT_EQ(parseCommandLine(line).kind, Kind::SyntaxError) << line;
  }
}

struct SubstituteCase {
  const char* body;
  const char* value;
  const char* expected;
};

TEST(SubstituteLoopVariable, KeepsAValueOneWord) {
  const SubstituteCase cases[] = {
      {"del /q %i", "check_01.txt", "del /q check_01.txt"},
      {"del /q %i >> out_null.txt", "check 01.txt", "del /q \"check 01.txt\" >> out_null.txt"},
      {"del /q \"%i\"", "a b.txt", "del /q \"a b.txt\""},
      {"del %i", "a>b.txt", "del \"a>b.txt\""},
      {"copy %i %I", "x", "copy x %I"},
      {"del 100%", "x", "del 100%"},
  };
  for (const auto& c : cases) EXPECT_EQ(substituteLoopVariable(c.body, 'i', c.value), c.expected) << c.body;
}

struct SplitCase {
  const char* text;
  Words words;
};

TEST(SplitProgramArguments, FollowsTheNativeRuntimeRules) {
  const SplitCase cases[] = {
      {"1250 65001 /i \"search_in.htm\" /o \"search_out.htm\"",
       {"1250", "65001", "/i", "search_in.htm", "/o", "search_out.htm"}},
      {"  \"a b\"\tc  ", {"a b", "c"}},
      {"txt_in\\*.txt", {"txt_in\\*.txt"}},
      {"a\\\\b", {"a\\\\b"}},
      {"\"a\\\"b\"", {"a\"b"}},
      {"\"a\\\\\" b", {"a\\", "b"}},
      {"a\\\\\\\"b", {"a\\\"b"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"\"", {""}},
      {"ab\"c d\"e", {"abc de"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitProgramArguments(c.text), c.words) << c.text;
}

TEST(SplitCommandWords, RemovesQuotesAndKeepsBackslashes) {
  const SplitCase cases[] = {
      {"/b  txt_in\\*.txt", {"/b", "txt_in\\*.txt"}},
      {"\"a b\"c d", {"a bc", "d"}},
      {"\"\" x", {"", "x"}},
      {"a\\\"b c\"", {"a\\b c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitCommandWords(c.text), c.words) << c.text;
}

}  // namespace
}  // namespace zemlar::cmd
