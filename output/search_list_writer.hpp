#pragma once
// The search list document "search_in.htm": fixed lines and one web-search link per
// address of the chosen list, in the code page of the list.
#include <string>
#include <string_view>

#include "app/run_state.hpp"

namespace zemlar::SearchListWriter {

inline constexpr std::string_view kDocumentName = "search_in.htm";

// The whole document; true when every byte of it reached the file.
bool writeDocument(RunState& state);

// The stage: writes the document. When the document could not be written completely,
// the incomplete file is removed and the program ends after a message.
void write(RunState& state);

// One search link line for the typed words and a trimmed, lower-cased address.
std::string linkLine(std::string_view searchWords, std::string_view address);

}  // namespace zemlar::SearchListWriter
