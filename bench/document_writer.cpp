// Writes the search list document for one address list, as the program's stage does,
// into search_in.htm of the current folder. For benchmarks only.
#include <cstdio>

#include "app/run_state.hpp"
#include "output/search_list_writer.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: document_writer LIST WORDS\n");
    return 2;
  }
  zemlar::RunState state;
  state.site = {"http://www.example-shop.example", "www.example-shop.example.exe"};
  state.inputFilePath = argv[1];
  state.searchWords = argv[2];
  return zemlar::SearchListWriter::writeDocument(state) ? 0 : 1;
}
