// The delivered page as a browser reads it: a whole scripted run on a code page 1251 list
// of Cyrillic addresses and addresses and words full of characters that mean something
// in HTML or in a URL, opened in headless Chromium. Each qualifying address must give one
// link whose query is exactly what was typed, and nothing typed may become an element.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dom_links.hpp"
#include "headless_chromium.hpp"
#include "support/iconv_reference.hpp"
#include "support/scripted_run.hpp"
#include "support/temp_folder.hpp"

namespace zemlar::browser {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSiteName = "www.example-shop.example";
constexpr std::string_view kSearchPrefix = "http://www.google.com/search?q=";

struct ListLine {
  std::string_view line;     // as typed into the list, in UTF-8
  std::string_view address;  // the link's address on the page; empty: the line gives none
};

// The words carry every character the query and the page must escape, and Cyrillic.
constexpr std::string_view kWords = R"(red "shoes" <zinj id=zinj> & #1 +50% %41 кожа)";

const std::vector<ListLine> kList = {
    {"http://www.one.example", "http://www.one.example"},
    {"", ""},
    {"   HTTPS://Пример.Example/Путь?Q=Ёлка   ", "https://Пример.example/Путь?q=Ёлка"},
    {"www.no-scheme.example", ""},
    {"http://пример.рф/каталог", "http://пример.рф/каталог"},
    {R"(http://a.example/"><zinj id=zinj>x</zinj>)", R"(http://a.example/"><zinj id=zinj>x</zinj>)"},
    {"http://b.example/<script>document.body.setAttribute('zinj','1')</script>",
     "http://b.example/<script>document.body.setattribute('zinj','1')</script>"},
    {"http://c.example/?a=1&b=2+3%20#frag", "http://c.example/?a=1&b=2+3%20#frag"},
    {"  plain words, no address  ", ""},
    {"http://d.example/&amp;&lt;zinj&gt;", "http://d.example/&amp;&lt;zinj&gt;"},
};

class DeliveredPageInBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!chromiumInstalled())
      GTEST_SKIP() << "headless Chromium is not installed at " << kChromium
                   << "; install it with: apt-get install chromium";
    fs::create_directory(folder / "txt_in");
    fs::create_directory(folder / "htm_out");
    fs::copy_file(ZEMLAR_CONVERTCP, folder / "convertcp.exe");
    fs::create_symlink(ZEMLAR_EXE_064, folder / kSiteName);
  }

  // A whole run with code page 1251 (entry 2), the list and the words; the delivered page.
  std::string deliver() {
    std::string list;
    for (const ListLine& entry : kList) list += test::toCp1251(entry.line) + "\r\n";
    folder.write("txt_in/list.txt", list);
    const std::string answers = "1\n1\n1\n3\n2\n1\n" + test::toCp1251(kWords) + "\n1\n";
    const test::ScriptedRun run = test::runScripted(folder / kSiteName, std::string(kSiteName), folder.path(), answers);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    return (folder / "Google_search_list.htm").string();
  }

  test::TempFolder folder;
};

std::vector<Link> searchLinks(const std::vector<Link>& links) {
  std::vector<Link> found;
  for (const Link& link : links)
    if (link.href.starts_with(kSearchPrefix)) found.push_back(link);
  return found;
}

TEST_F(DeliveredPageInBrowser, EveryQualifyingAddressSearchesExactlyTheTypedWords) {
  const std::optional<std::string> dom = dumpDom(deliver());
  ASSERT_TRUE(dom) << "Chromium gave no DOM";

  std::vector<std::string_view> expected;
  for (const ListLine& entry : kList)
    if (!entry.address.empty()) expected.push_back(entry.address);
  const std::vector<Link> links = searchLinks(linksOf(*dom));
  ASSERT_EQ(links.size(), expected.size()) << *dom;
  for (size_t i = 0; i < links.size(); ++i) {
    SCOPED_TRACE(expected[i]);
    EXPECT_EQ(searchQuery(links[i].href), std::string(kWords) + " site:" + std::string(expected[i]));
    EXPECT_EQ(links[i].text, expected[i]);
  }
}

TEST_F(DeliveredPageInBrowser, NothingTypedBecomesAnElementOrAttribute) {
  const std::optional<std::string> dom = dumpDom(deliver());
  ASSERT_TRUE(dom) << "Chromium gave no DOM";
  // Typed text shows in the serialized DOM only escaped: a raw "<zinj" is an element,
  // a "zinj=" an attribute the injected script set, an "id=\"zinj\"" an injected id.
  EXPECT_EQ(dom->find("<zinj"), std::string::npos) << *dom;
  EXPECT_EQ(dom->find("zinj=\""), std::string::npos) << *dom;
  EXPECT_EQ(dom->find("id=\"zinj\""), std::string::npos) << *dom;
  EXPECT_EQ(dom->find("<script"), std::string::npos) << *dom;
}

}  // namespace
}  // namespace zemlar::browser
