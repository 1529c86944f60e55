#include "output/document_delivery.hpp"

#include "app/addresses.hpp"
#include "app/build_info.hpp"
#include "app/prompts.hpp"
#include "rt/console.hpp"
#include "rt/process.hpp"
#include "rt/textfile.hpp"

namespace zemlar::DocumentDelivery {

namespace {

// Ends the program after a message framed by a line of dashes as long as the message.
[[noreturn]] void stopWith(const std::string& message) {
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
  // Without a converted document nothing is copied: a copy would deliver an old one.
  if (!TextFile::exists(state.convertedDocumentName))
    stopWith("Conversion to UTF-8 failed: " + state.convertedDocumentName + " was not written");

  // A copy that failed (a full disk, a delivered name that is no file) must not end on
  // the final screen, which names the delivered document as written.
  const int copyStatus = runShell(copyCommand(state.convertedDocumentName, state.deliveredDocumentName));
  if (copyStatus != 0 || !TextFile::exists(state.deliveredDocumentName))
    stopWith("Copying failed: " + state.deliveredDocumentName + " was not written");
  showFinalScreen(state);
}

}  // namespace zemlar::DocumentDelivery
