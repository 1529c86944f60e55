#include <gtest/gtest.h>

#include <string>

#include "input/input_catalogue.hpp"

using zemlar::InputCatalogue::CatalogueName;
using zemlar::InputCatalogue::catalogueName;

namespace {

struct NameCase {
  std::string line;
  CatalogueName expected;
};

class CatalogueNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CatalogueNameTest, TrimsLowersAndQualifiesByDotTxt) {
  EXPECT_EQ(catalogueName(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CatalogueNameTest,
    ::testing::Values(NameCase{"list.txt", {"list.txt", true}},
                      NameCase{"  SHOPS.TXT  ", {"shops.txt", true}},
                      NameCase{"My List.Txt", {"my list.txt", true}},
                      NameCase{"old.txt.bak", {"old.txt.bak", true}},  // ".txt" anywhere
                      NameCase{"\tlist.txt", {"\tlist.txt", true}},    // only spaces are trimmed
                      NameCase{"\xC4\xD6.TXT", {"\xC4\xD6.txt", true}},  // bytes above 127 stay
                      NameCase{"", {"", false}}, NameCase{"    ", {"", false}},
                      NameCase{"notes.md", {"notes.md", false}}, NameCase{"list.tx", {"list.tx", false}},
                      NameCase{"txt", {"txt", false}}));

}  // namespace
