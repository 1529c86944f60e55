#include "rt/posix/cmd/wildcard.hpp"

#include <gtest/gtest.h>

namespace zemlar::cmd {
namespace {

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(MatchesWildcard, FollowsTheNativeNameRules) {
  const WildcardCase cases[] = {
      {"*.txt", "a.txt", true},
      {"*.txt", "A.TXT", true},
      {"*.TXT", "Mixed.Txt", true},
      {"*.txt", "a.txt.bak", false},
      {"*.txt", "atxt", false},
      {"check_*.txt", "check_01.txt", true},
      {"check_*.txt", "CHECK_02.TXT", true},
      {"check_*.txt", "out_null.txt", false},
      {"*.exe", "ConvertCP.EXE", true},
      {"*.", "convertcp", true},
      {"*.", "convertcp.exe", false},
      {"*.", ".", true},
      {"*.", "..", true},
      {"*.", "ends_in_dot.", true},
      {"*.*", "README", true},
      {"*.*", "a.b.c", true},
      {"*.*", ".", true},
      {"a*.*", "abc", true},
      {"a*.*", "xbc", false},
      {"*", "a.b", true},
      {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"*a*b", "xaxxb", true},
      {"*a*b", "xaxxbc", false},
      {"convertcp.exe", "CONVERTCP.exe", true},
      {"\xC9.txt", "\xE9.txt", false},  // only A-Z fold
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
  }
}

TEST(HasWildcard, SeesStarAndQuestionMark) {
  EXPECT_TRUE(hasWildcard("txt_in\\*.txt"));
  EXPECT_TRUE(hasWildcard("a?"));
  EXPECT_FALSE(hasWildcard("check_01.txt"));
}

}  // namespace
}  // namespace zemlar::cmd
