#include "rt/posix/cmd/redirected_output.hpp"

#include <filesystem>
#include <system_error>

#include "rt/platform.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kNullDevice = "nul";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.";
constexpr std::string_view kAccessDenied = "Access is denied.";

namespace fs = std::filesystem;

bool folderExists(const std::string& filePath) {
  const fs::path folder = fs::path(filePath).parent_path();
  std::error_code ec;
  return folder.empty() || fs::is_directory(folder, ec);
}

}  // namespace

bool RedirectedOutput::open(const Redirection& redirection) {
  Target& target = targets_[redirection.handle == 2 ? 1 : 0];
  target.file.reset();
  target.discard = lcase(redirection.target) == kNullDevice;
  if (target.discard) return true;

  const std::string path = platform::nativePath(redirection.target);
  const auto mode = std::ios::binary | (redirection.append ? std::ios::app : std::ios::trunc);
  target.file.emplace(path, std::ios::out | mode);
  if (*target.file) return true;
  target.file.reset();
  writeErrorLine(enclosing_, folderExists(path) ? kAccessDenied : kPathNotFound);
  return false;
}

bool RedirectedOutput::writeTo(Target& target, std::string_view bytes) {
  if (target.discard) return true;
  if (!target.file) return false;
  target.file->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  target.file->flush();
  return true;
}

void RedirectedOutput::writeOutput(std::string_view bytes) {
  if (!writeTo(targets_[0], bytes)) enclosing_.writeOutput(bytes);
}

void RedirectedOutput::writeError(std::string_view bytes) {
  if (!writeTo(targets_[1], bytes)) enclosing_.writeError(bytes);
}

}  // namespace zemlar::cmd
