#pragma once
// The five probes of the tool checks, as data: each writes a scratch file through the
// command interpreter and passes when that file holds enough non-blank lines.
#include <array>
#include <span>
#include <string_view>

namespace zemlar::ToolChecks {

struct ToolProbe {
  std::string_view nameLine;
  std::span<const std::string_view> commands;
  std::string_view countedFile;
  int minimumCount;
  std::array<std::string_view, 3> failureLines;
};

namespace probe_commands {

inline constexpr std::array<std::string_view, 1> kCmd = {
    "cmd /c dir *. > check_01.txt",
};
inline constexpr std::array<std::string_view, 4> kFind = {
    "dir > out_null.txt",
    "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
    "cmd /c dir > check_01.txt",
    R"(cmd /c find /i ".txt" check_01.txt >  check_02.txt)",
};
inline constexpr std::array<std::string_view, 4> kFindstr = {
    "dir > out_null.txt",
    "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
    "cmd /c dir > check_01.txt",
    R"(cmd /c findstr /i ".txt" check_01.txt > check_02.txt)",
};
inline constexpr std::array<std::string_view, 4> kSort = {
    "dir > check_01.txt",
    "del /q check_*.txt",
    "dir *. > check_01.txt",
    "sort check_01.txt /o check_02.txt",
};
inline constexpr std::array<std::string_view, 4> kConvertcp = {
    "dir > out_null.txt",
    "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
    "cmd /c dir /b *.exe > check_01.txt",
    R"(cmd /c find /i "convertcp.exe" check_01.txt > check_02.txt)",
};

inline constexpr std::string_view kPathHint =
    "The system path to the program is most likely to be configured.";

}  // namespace probe_commands

// Run in this order; the first that falls short ends the program.
inline constexpr std::array<ToolProbe, 5> kToolProbes = {{
    {"cmd", probe_commands::kCmd, "check_01.txt", 1,
     {"---------------------", "Checking for cmd.exe!", probe_commands::kPathHint}},
    {"find", probe_commands::kFind, "check_02.txt", 2,
     {"---------------------", "Checking for find.exe!", probe_commands::kPathHint}},
    {"findstr", probe_commands::kFindstr, "check_02.txt", 1,
     {"-------------------------", "Checking for findstr.exe!", probe_commands::kPathHint}},
    {"sort", probe_commands::kSort, "check_02.txt", 2,
     {"---------------------", "Checking for sort.exe",
      "It is probably necessary to set the system path to the program."}},
    {"convertcp", probe_commands::kConvertcp, "check_02.txt", 2,
     {"---------------------------", "Checking for convertcp.exe!", "Checking for *.7z file"}},
}};

}  // namespace zemlar::ToolChecks
