// Whole runs to the delivered document, typed as on a terminal in a UTF-8 locale: the
// console switches to code page 1251, so typed Cyrillic letters must reach the document
// as 1251 bytes and come out of the conversion as UTF-8 again.

#include <initializer_list>
#include <string>
#include <vector>

#include "support/iconv_reference.hpp"
#include "support/pty_run.hpp"

namespace zemlar::e2e_pty {
namespace {

std::string crLfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string linkLine(std::string_view words, std::string_view address) {
  std::string line = "<a href=\"http://www.google.com/search?q=";
  line += words;
  line += " site:";
  line += address;
  line += "\">";
  line += address;
  line += "</a>";
  return line;
}

// The delivered page for the site name, an input file and search words, in UTF-8.
std::string expectedPage(std::string_view inputFile, std::string_view words,
                         const std::vector<std::string_view>& addresses) {
  std::string keywords = "Keywords included in Google search string: <b>";
  keywords += words;
  keywords += "</b>";
  std::string input = "input file: txt_in\\";
  input += inputFile;
  std::string page = crLfLines({
      "<!DOCTYPE HTML=HTML PUBLIC=PUBLIC \"-//W3C//DTD HTML 4.0 TRANSITIONAL//EN\"=\"-//W3C//DTD HTML 4.0 "
      "Transitional//EN\">",
      "<html>", "<head>", "<br>", "<meta HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset= UTF-8\">",
      "<br>", "<br>", "</head>", "<body>", "<body>", "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAM </b>", "<br>",
      "<br>", "<br> This space is reserved for your advertising message and web links.",
      "<br> The advertising message is limited to 10 lines or 500 characters.",
      "<br> The program is tailored individually for each client.", "<br>",
      "<br> More info: <a href=\"http://www.zemlar.example/search-list\">http://www.zemlar.example/search-list</a>",
      "<br>", "<br>", "<br>", "<b> ZEMLAR</b>", "<br>",
      "This document was created using program: www.example-shop.example.exe", "<br>", "<br>", "Useful link :",
      "<br>", "<a href=\"http://www.example-shop.example\">http://www.example-shop.example</a>", "<br>", "<br>",
      "INPUT DATA", "<br>", input, "<br>", keywords, "<pre>", "<p style=\"font-family:Arial; font-size:100%;\">"});
  for (const std::string_view address : addresses) page += crLfLines({linkLine(words, address)});
  page += crLfLines({"<br>", "</p>", "</body>", "<br>", "</html>"});
  return page;
}

class DeliveryOnTerminal : public PtyRun {
 protected:
  DeliveryOnTerminal() {
    addList("Shops_RU.TXT", test::toCp1251(crLfLines({
                                "http://www.shop-one.example",
                                "",
                                "HTTP://WWW.Shop-Two.Example/Catalog",
                                "  http://магазин.example/обувь  ",
                                "Книжная лавка http://КНИГИ.example",
                                "",
                                "без адреса",
                            })));
  }

  // Through the screens, code page 1251 and file 1, up to the words prompt.
  std::unique_ptr<PtySession> runToWords() {
    return runSteps(kSiteName, then(kToMenu, {{"3", kCodePagePrompt}, {"2\r", kFilePrompt}, {"1\r", kWordsPrompt}}));
  }

  // Enter after the words, key 1 at the final screen, and the delivered page.
  std::string finish(PtySession& session) {
    EXPECT_TRUE(press(session, kEnter, kOutputFileLine));
    EXPECT_TRUE(onScreen(session, kAckPrompt));
    session.send("1");
    EXPECT_TRUE(endsWithCodeZero(session));
    EXPECT_TRUE(terminalRestored(session));
    return folder.read("Google_search_list.htm");
  }
};

// The qualifying lines of the list, trimmed and with A to Z in lower case.
const std::vector<std::string_view> kAddresses = {
    "http://www.shop-one.example", "http://www.shop-two.example/catalog", "http://магазин.example/обувь",
    "Книжная лавка http://КНИГИ.example"};

TEST_F(DeliveryOnTerminal, CyrillicWordsTypedInUtf8ReachTheDeliveredPage) {
  auto session = runToWords();
  session->send("красные туфли");
  EXPECT_TRUE(onScreen(*session, "enter the words = красные туфли"));
  EXPECT_EQ(finish(*session), expectedPage("shops_ru.txt", "красные туфли", kAddresses));
  EXPECT_NE(folder.read("search_in.htm").find(test::toCp1251("<b>красные туфли</b>")), std::string::npos)
      << "the words were written in the console's code page";
}

TEST_F(DeliveryOnTerminal, WordsEditedOnTheTerminalAreTheOnesDelivered) {
  auto session = runToWords();
  std::string keys = "rd shoez";
  keys += kBackspace;
  keys += "s";
  for (int i = 0; i < 7; ++i) keys += kLeft;
  keys += "e";  // "r" + "e" + "d shoes"
  keys += kEnd;
  keys += " дм";
  keys += kLeft;
  keys += "о";  // one Cyrillic letter is one byte of the line: Left passes it whole
  session->send(keys);
  EXPECT_TRUE(onScreen(*session, "enter the words = red shoes дом"));
  EXPECT_EQ(finish(*session), expectedPage("shops_ru.txt", "red shoes дом", kAddresses));
}

}  // namespace
}  // namespace zemlar::e2e_pty
