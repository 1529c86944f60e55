#include "output/document_delivery.hpp"

#include "app/addresses.hpp"
#include "app/build_info.hpp"
#include "app/prompts.hpp"
#include "rt/console.hpp"
#include "rt/process.hpp"
#include "rt/textfile.hpp"

namespace zemlar::DocumentDelivery {

namespace {

// Without a converted document nothing is copied: a copy would deliver an old one.
[[noreturn]] void reportFailedConversion(std::string_view convertedName) {
  const std::string message =
      "Conversion to UTF-8 failed: " + std::string(convertedName) + " was not written";
  Console::endLine();
  Console::print(std::string(message.size(), '-'), Sep::EndLine);
  Console::print(message, Sep::EndLine);
  Console::endLine();
  AckEndPrompt();
}

[[noreturn]] void showFinalScreen(const RunState& state) {
  Console::print("===================================", Sep::EndLine);
  Console::print("Output file: ", Sep::None);
  Console::print(build::finalScreenShowsConvertedName() ? state.convertedDocumentName
                                                        : state.deliveredDocumentName,
                 Sep::EndLine);
  Console::endLine();
  Console::print("Program info: ", Sep::None);
  Console::print(addresses::kInfoPageWithoutScheme, Sep::EndLine);
  Console::endLine();
  AckEndPrompt();
}

}  // namespace

void run(RunState& state) {
  state.convertedDocumentName = kConvertedName;
  state.deliveredDocumentName = kDeliveredName;

  // A converted document left by an earlier run must not pass for this run's.
  TextFile::remove(state.convertedDocumentName);
  runShell(conversionCommand(state.codePageNumberText, state.unconvertedDocumentName,
                             state.convertedDocumentName));
  if (!TextFile::exists(state.convertedDocumentName))
    reportFailedConversion(state.convertedDocumentName);

  runShell(copyCommand(state.convertedDocumentName, state.deliveredDocumentName));
  showFinalScreen(state);
}

}  // namespace zemlar::DocumentDelivery
