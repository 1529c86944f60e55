#include "support/temp_folder.hpp"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace zemlar::test {

namespace fs = std::filesystem;

TempFolder::TempFolder(bool enter) {
  std::random_device seed;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("zemlar-test-" + std::to_string(seed()));
    if (fs::create_directory(candidate)) path_ = candidate;
  }
  if (path_.empty()) throw std::runtime_error("cannot create a temporary folder");
  if (enter) {
    previous_ = fs::current_path();
    fs::current_path(path_);
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!previous_.empty()) fs::current_path(previous_, ec);
  // Make read-only folders of a test writable again so everything can be removed.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const { writeFile(path_ / name, bytes); }
std::string TempFolder::read(std::string_view name) const { return readFile(path_ / name); }
bool TempFolder::exists(std::string_view name) const { return fs::exists(path_ / name); }

std::string readFile(const fs::path& file) {
  // Whole, not byte by byte: documents of tens of megabytes are read in the sanitizer build too.
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  return std::move(bytes).str();
}

void writeFile(const fs::path& file, std::string_view bytes) {
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zemlar::test
