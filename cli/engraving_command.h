#pragma once

#include <string>
#include <vector>

namespace scrivafresa::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // a font or a file could not be used
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

// Runs the command line with its arguments (without the program name): engraves the text
// and writes the program and the picture, or says in one line on standard error why not.
// Returns the exit status.
int RunEngravingCommand(const std::vector<std::string>& arguments);

}  // namespace scrivafresa::cli
