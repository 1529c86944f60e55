#include "app/information_screens.hpp"

#include <array>
#include <span>
#include <string_view>

#include "app/addresses.hpp"
#include "app/prompts.hpp"
#include "rt/console.hpp"

namespace zemlar::InformationScreens {

namespace {

using Lines = std::span<const std::string_view>;

constexpr std::string_view kEquals = "====================================";  // 36
constexpr std::string_view kHyphens = "----------------------------";         // 28

// An empty text prints as an empty line.
void printLines(Lines lines) {
  for (const std::string_view line : lines) Console::print(line, Sep::EndLine);
}

constexpr std::array<std::string_view, 5> kTermsOpening = {
    kEquals,
    "",
    "THE PROGRAM ALLOWS YOU TO CREATE GOOGLE SEARCH STRINGS FOR VARIOUS WEB ADDRESSES.",
    "Web addresses are arbitrary and written in a *.txt file.",
    "",
};

constexpr std::array<std::string_view, 9> kTermsOfUse = {
    addresses::kAttribution,
    "Terms of use:",
    "The author of the program is not responsible for any direct or indirect damages resulting "
    "from any errors in the program.",
    "Users accept this risk and use the program at their own risk.",
    "",
    "",
    "",
    "- change program;",
    "- integration of the program into other software products.",
};

constexpr std::array<std::string_view, 4> kTermsQuestion = {
    "",
    kEquals,
    "Do you accept the terms of use?",
    "",
};

constexpr std::array<std::string_view, 14> kFontScreen = {
    "",
    kHyphens,
    "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW.",
    "Setting procedure (necessary for correct printing):",
    "- move the mouse to the center of the upper bold edge of the execution window;",
    "- right mouse click;",
    "- select Properties from the drop-down menu;",
    "- select the Font tab;",
    "- this tab includes the Consolas or Lucida Console font.",
    "",
    "In the Layout tab, select the size of the execution window.",
    "Selected settings work when the program is restarted.",
    kHyphens,
    "",
};

constexpr std::array<std::string_view, 9> kInstallationScreen = {
    "",
    kHyphens,
    "THE PROGRAM MUST BE INSTALLED (*.7z) IN YOUR OWN DIRECTORY.",
    "During execution, the program creates and also deletes most *.txt and other files.",
    "",
    "TXT files with web addresses that we want to search must be in ANSI format and accessible "
    "in the TXT_IN subdirectory.",
    "The TXT file names must not contain spaces or special characters (ASCII only).",
    kHyphens,
    "",
};

}  // namespace

void showTerms(RunState& state) {
  printLines(kTermsOpening);
  Console::print("Program name:", Sep::None);
  Console::print(state.programName, Sep::EndLine);
  printLines(kTermsOfUse);
  Console::endLine();
  Console::print("Info: ", Sep::None);
  Console::print(addresses::kMakerPageWithoutScheme, Sep::EndLine);
  printLines(kTermsQuestion);
  YesNoPrompt();
}

void showFont() {
  printLines(kFontScreen);
  ContinueEndPrompt();
}

void showInstallation() {
  printLines(kInstallationScreen);
  ContinueEndPrompt();
}

}  // namespace zemlar::InformationScreens
