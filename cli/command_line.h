#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engraving_font.h"
#include "engraving_program.h"

namespace scrivafresa::cli {

// What one invocation asks for, read strictly from its arguments.
struct EngraveRequest {
    std::string text;
    EngravingFont font;  // Name and Height already settled
    std::optional<std::string> fontFile;
    int scale = 100;
    std::int32_t travelHeight = 2;
    std::int32_t engravingDepth = -1;
    std::optional<std::string> outputFile;  // standard output when absent
    std::optional<std::string> svgFile;
    std::optional<ControllerWords> controller;  // with --feed: a controller-ready program
};

enum class Action { Engrave, ShowHelp, ShowVersion, RefuseUsage };

struct CommandLine {
    Action action = Action::Engrave;
    EngraveRequest request;
    std::string problem;  // one line naming what is wrong, for Action::RefuseUsage
};

// The longest text the window's edit takes, in characters.
inline constexpr std::size_t kMaxTextCharacters = 255;

CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace scrivafresa::cli
