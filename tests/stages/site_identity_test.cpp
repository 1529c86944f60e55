#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "site/site_identity.hpp"

using zemlar::SiteLink;
using zemlar::SiteIdentity::derive;

namespace {

struct DeriveCase {
  std::string invocationName;
  std::optional<SiteLink> expected;
};

void PrintTo(const DeriveCase& c, std::ostream* os) { *os << '"' << c.invocationName << '"'; }

class DeriveTest : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveTest, GivesTheSiteOfTheName) {
  const std::optional<SiteLink> got = derive(GetParam().invocationName);
  ASSERT_EQ(got.has_value(), GetParam().expected.has_value());
  if (got) {
    EXPECT_EQ(got->link, GetParam().expected->link);
    EXPECT_EQ(got->siteProgramName, GetParam().expected->siteProgramName);
  }
}

SiteLink site(std::string link, std::string programName) { return {std::move(link), std::move(programName)}; }

INSTANTIATE_TEST_SUITE_P(
    WithExe, DeriveTest,
    ::testing::Values(
        DeriveCase{R"(C:\Sites\www.example-shop.test.exe)",
                   site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"WWW.Example-Shop.TEST.EXE", site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"www.example-shop.test.Exe", site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"www.www.example-shop.test.exe",
                   site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"shop.www.test.exe", site("http://www.test", "www.test.exe")},
        DeriveCase{R"(C:\www.2024\shop.exe)", site(R"(http://www.2024\shop)", R"(www.2024\shop.exe)")},
        DeriveCase{"/home/user/www.sites/http.shop.example.exe",
                   site("http://www.sites/http.shop.example", "www.sites/http.shop.example.exe")},
        DeriveCase{"  www.example-shop.test.exe  ",
                   site("http://www.example-shop.test", "www.example-shop.test.exe")}));

INSTANTIATE_TEST_SUITE_P(
    WithoutExe, DeriveTest,
    ::testing::Values(
        DeriveCase{"www.example-shop.test", site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"./www.example-shop.example",
                   site("http://www.example-shop.example", "www.example-shop.example.exe")},
        DeriveCase{"www.abcd", site("http://www.abcd", "www.abcd.exe")},
        DeriveCase{"www.shop.exe.example", site("http://www.shop.exe.example", "www.shop.exe.example.exe")},
        DeriveCase{"www.shopexe", site("http://www.shopexe", "www.shopexe.exe")}));

INSTANTIATE_TEST_SUITE_P(
    RuleOrder, DeriveTest,
    ::testing::Values(
        DeriveCase{"http.example-shop.test.exe", site("http://example-shop.test", "http.example-shop.test.exe")},
        DeriveCase{"https.example-shop.test.exe", site("https://example-shop.test", "https.example-shop.test.exe")},
        DeriveCase{"HTTPS.Example-Shop.test", site("https://example-shop.test", "https.example-shop.test.exe")},
        DeriveCase{"https.www.example-shop.test.exe",
                   site("http://www.example-shop.test", "www.example-shop.test.exe")},
        DeriveCase{"https.http.example-shop.test.exe",
                   site("http://example-shop.test", "http.example-shop.test.exe")},
        DeriveCase{"http.https.shop.exe", site("http://https.shop", "http.https.shop.exe")}));

INSTANTIATE_TEST_SUITE_P(
    NoSite, DeriveTest,
    ::testing::Values(DeriveCase{"zemlar_01_064.exe", std::nullopt}, DeriveCase{"zemlar_01_064", std::nullopt},
                      DeriveCase{"", std::nullopt}, DeriveCase{"    ", std::nullopt},
                      DeriveCase{".exe", std::nullopt}, DeriveCase{"www.", std::nullopt},
                      DeriveCase{"www..exe", std::nullopt}, DeriveCase{"WWW.EXE", std::nullopt},
                      DeriveCase{R"(C:\sites\www.)", std::nullopt}, DeriveCase{"shop.www.www.", std::nullopt},
                      DeriveCase{"http.", std::nullopt}, DeriveCase{"https..exe", std::nullopt},
                      DeriveCase{"https.www.", std::nullopt}, DeriveCase{"wwwexample.exe", std::nullopt}));

}  // namespace
