#pragma once
// Choosing the address list: the numbered catalogue of txt_in, the file number and the
// search words.
#include <string>
#include <string_view>

#include "app/run_state.hpp"

namespace zemlar::InputCatalogue {

struct CatalogueName {
  std::string name;  // the line trimmed of spaces, A-Z lower-cased
  bool qualifies;    // the name contains ".txt"
  friend bool operator==(const CatalogueName&, const CatalogueName&) = default;
};

// Empties htm_out, lists txt_in, lets the user pick a file and type the search words,
// and stores the file path and words. Nothing to list, or a number that matches no
// entry, ends the program after a message.
void run(RunState& state);

// The catalogue name of one line of the listing, and whether it gets a number.
CatalogueName catalogueName(std::string_view line);

}  // namespace zemlar::InputCatalogue
