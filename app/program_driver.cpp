#include "app/program_driver.hpp"

#include "app/build_info.hpp"
#include "app/information_screens.hpp"
#include "checks/tool_checks.hpp"
#include "codepage/code_page_menu.hpp"
#include "input/input_catalogue.hpp"
#include "output/document_delivery.hpp"
#include "output/search_list_writer.hpp"
#include "rt/console.hpp"
#include "rt/process.hpp"
#include "site/site_identity.hpp"

namespace zemlar::ProgramDriver {

void startup(RunState& state) {
  runShell("chcp");
  state.buildName = build::name();
  state.programName = state.buildName + ".exe";
  const std::string name = invocationName();
  for (int block = 0; block < 2; ++block) {
    Console::print(state.buildName, Sep::EndLine);
    Console::endLine();
    Console::print(name, Sep::EndLine);
  }
}

void run() {
  RunState state;
  startup(state);
  SiteIdentity::run(state);
  InformationScreens::showTerms(state);
  InformationScreens::showFont();
  InformationScreens::showInstallation();
  ToolChecks::run();
  CodePageMenu::run(state);
  InputCatalogue::run(state);
  SearchListWriter::write(state);
  DocumentDelivery::run(state);
}

}  // namespace zemlar::ProgramDriver
