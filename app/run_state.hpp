#pragma once
// The values one stage of a run leaves for a later one. Created empty at start, owned by
// the driver for the whole run, passed by reference to the stages.
#include <string>

#include "site/site_link.hpp"

namespace zemlar {

struct RunState {
  std::string buildName;
  std::string programName;
  SiteLink site;
  std::string codePageName;
  std::string codePageNumberText;
  std::string inputFilePath;
  std::string searchWords;
  std::string unconvertedDocumentName;
  std::string convertedDocumentName;
  std::string deliveredDocumentName;
};

}  // namespace zemlar
