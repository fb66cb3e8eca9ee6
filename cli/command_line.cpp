#include "command_line.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

#include "engraving_program.h"
#include "utf8_text.h"

namespace scrivafresa::cli {
namespace {

constexpr int kPixelsPerInch = 96;
constexpr std::int64_t kMaxPoints = 10000;
// Feeds and spindle speeds: above 0, at most a million, to three decimals.
constexpr std::int64_t kMaxRateThousandths = 1'000'000'000;

// A whole number written as an optional sign and decimal digits, nothing else, within
// [low, high].
std::optional<std::int64_t> ReadStrictWhole(std::string_view text, std::int64_t low,
                                            std::int64_t high) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Both limits of a 32-bit value fit well inside 63 bits, so anything larger is out.
    if (magnitude > std::uint64_t{1} << 62) return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < low || value > high) return std::nullopt;
    return value;
}

// A positive decimal number of at most three decimals ("300", "12.5"), in thousandths.
std::optional<std::int64_t> ReadRate(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 10) return std::nullopt;
    if (point != std::string_view::npos && (decimals.empty() || decimals.size() > 3))
        return std::nullopt;
    std::int64_t thousandths = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') return std::nullopt;
        thousandths = thousandths * 10 + (c - '0');
    }
    std::int64_t unit = 1000;
    thousandths *= unit;
    for (char c : decimals) {
        if (c < '0' || c > '9') return std::nullopt;
        unit /= 10;
        thousandths += (c - '0') * unit;
    }
    if (thousandths <= 0 || thousandths > kMaxRateThousandths) return std::nullopt;
    return thousandths;
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

std::string WholeNumberProblem(std::string_view option, std::string_view value, std::int64_t low,
                               std::int64_t high) {
    return std::string(option) + " needs a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not " + Quoted(value);
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

enum class Option {
    Font,
    FontFile,
    Size,
    Height,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    Scale,
    Travel,
    Depth,
    Output,
    Svg,
    Help,
    Version,
    Feed,
    PlungeFeed,
    Units,
    Spindle
};

// What follows an option: nothing, any text, a whole number within [low, high], or a rate.
enum class Takes { Nothing, Text, WholeNumber, Rate };

struct OptionName {
    std::string_view name;
    Option option;
    Takes takes;
    std::int64_t low = 0;
    std::int64_t high = 0;
};

constexpr OptionName kOptions[] = {
    {"--font", Option::Font, Takes::Text},
    {"--font-file", Option::FontFile, Takes::Text},
    {"--size", Option::Size, Takes::WholeNumber, 1, kMaxPoints},
    {"--height", Option::Height, Takes::WholeNumber, kInt32Min, kInt32Max},
    {"--bold", Option::Bold, Takes::Nothing},
    {"--italic", Option::Italic, Takes::Nothing},
    {"--underline", Option::Underline, Takes::Nothing},
    {"--strikeout", Option::StrikeOut, Takes::Nothing},
    {"--scale", Option::Scale, Takes::WholeNumber, kMinScale, kMaxScale},
    {"--travel", Option::Travel, Takes::WholeNumber, kInt32Min, kInt32Max},
    {"--depth", Option::Depth, Takes::WholeNumber, kInt32Min, kInt32Max},
    {"--output", Option::Output, Takes::Text},
    {"-o", Option::Output, Takes::Text},
    {"--svg", Option::Svg, Takes::Text},
    {"--help", Option::Help, Takes::Nothing},
    {"-h", Option::Help, Takes::Nothing},
    {"--version", Option::Version, Takes::Nothing},
    {"--feed", Option::Feed, Takes::Rate},
    {"--plunge-feed", Option::PlungeFeed, Takes::Rate},
    {"--units", Option::Units, Takes::Text},
    {"--spindle", Option::Spindle, Takes::Rate},
};

const OptionName* FindOption(std::string_view name) {
    for (const OptionName& o : kOptions)
        if (o.name == name) return &o;
    return nullptr;
}

CommandLine Refuse(std::string problem) {
    CommandLine line;
    line.action = Action::RefuseUsage;
    line.problem = std::move(problem);
    return line;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    EngraveRequest& request = line.request;
    std::optional<std::string> text;
    std::int64_t points = 36;
    std::optional<std::int64_t> height;
    bool onlyText = false;
    ControllerWords controller;
    std::string_view needsFeed;  // an option that only makes sense with --feed

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyText || argument.size() < 2 || argument[0] != '-') {
            if (text)
                return Refuse("more than one TEXT given: " + Quoted(*text) + " and " +
                              Quoted(argument) + " (quote a text that holds spaces)");
            text = argument;
            continue;
        }
        if (argument == "--") {
            onlyText = true;
            continue;
        }

        std::string_view name = argument;
        std::optional<std::string> attached;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            attached = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const OptionName* option = FindOption(name);
        if (!option) return Refuse("unknown option " + std::string(name));
        std::string value;
        if (option->takes == Takes::Nothing) {
            if (attached) return Refuse("option " + std::string(name) + " takes no value");
        } else if (attached) {
            value = *attached;
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Refuse("option " + std::string(name) + " needs a value");
        }
        std::int64_t number = 0;
        if (option->takes == Takes::WholeNumber) {
            const auto read = ReadStrictWhole(value, option->low, option->high);
            if (!read) return Refuse(WholeNumberProblem(name, value, option->low, option->high));
            number = *read;
        } else if (option->takes == Takes::Rate) {
            const auto read = ReadRate(value);
            if (!read)
                return Refuse(std::string(name) +
                              " needs a positive number up to 1000000 with at most three "
                              "decimals, not " +
                              Quoted(value));
            number = *read;
        }

        // clang-format off
        switch (option->option) {
            case Option::Help: line.action = Action::ShowHelp; return line;
            case Option::Version: line.action = Action::ShowVersion; return line;
            case Option::Font: request.font.Name = value; break;
            case Option::FontFile: request.fontFile = value; break;
            case Option::Size: points = number; break;
            case Option::Height: height = number; break;
            case Option::Bold: request.font.Style.bold = true; break;
            case Option::Italic: request.font.Style.italic = true; break;
            case Option::Underline: request.font.Style.underline = true; break;
            case Option::StrikeOut: request.font.Style.strikeOut = true; break;
            case Option::Scale: request.scale = static_cast<int>(number); break;
            case Option::Travel: request.travelHeight = static_cast<std::int32_t>(number); break;
            case Option::Depth: request.engravingDepth = static_cast<std::int32_t>(number); break;
            case Option::Output: request.outputFile = value; break;
            case Option::Svg: request.svgFile = value; break;
            case Option::Feed: controller.feed = number; break;
            case Option::PlungeFeed: controller.plungeFeed = number; needsFeed = name; break;
            case Option::Spindle: controller.spindleSpeed = number; needsFeed = name; break;
            case Option::Units:
                if (value == "mm") controller.units = ProgramUnits::Millimetres;
                else if (value == "inch") controller.units = ProgramUnits::Inches;
                else return Refuse("--units takes mm or inch, not " + Quoted(value));
                needsFeed = name;
                break;
        }
        // clang-format on
    }

    if (!needsFeed.empty() && controller.feed == 0)
        return Refuse(std::string(needsFeed) + " needs --feed");
    if (controller.feed > 0) request.controller = controller;
    if (!text) return Refuse("missing TEXT to engrave (try --help)");
    // Text the shell handed over in another encoding would be engraved as replacement boxes.
    const std::optional<std::size_t> characters = CountCharacters(*text);
    if (!characters) return Refuse("TEXT is not valid UTF-8");
    if (*characters > kMaxTextCharacters)
        return Refuse("TEXT has " + std::to_string(*characters) + " characters; at most " +
                      std::to_string(kMaxTextCharacters) + " can be engraved");
    request.text = std::move(*text);
    request.font.Height = height ? static_cast<int>(*height)
                                 : HeightFromPoints(static_cast<int>(points), kPixelsPerInch);
    return line;
}

std::string UsageText() {
    return R"(Usage: scrivafresa-cli [options] TEXT
Turns TEXT into a G-code engraving program (lines end in CR LF) and prints its extents.

  --font NAME        font face, matched as the window does (default "Verdana")
  --font-file PATH   use this font file instead of matching a face
  --size POINTS      size in points at 96 pixels per inch (default 36, an em height of 48 px)
  --height PIXELS    font height in pixels as the window's font holds it (negative: em height;
                     positive: cell height); overrides --size
  --bold --italic --underline --strikeout
  --scale N          1 to 500 (default 100)
  --travel N         travel height, a whole number (default 2)
  --depth N          engraving depth, a whole number (default -1)
  -o, --output FILE  write the program to FILE instead of standard output
  --svg FILE         also draw the toolpath as an SVG picture (travel blue, cuts red, Y up,
                     one program unit = one SVG unit), viewable in a browser
  -h, --help         show this text;  --version  show the version

For a controller that runs the program as it is (GRBL, LinuxCNC):
  --feed F           feed rate for cutting moves (a positive number, in program units per
                     minute); adds a header, a feed on every plunge and cut, and a program end
  --plunge-feed F    feed rate for the plunge (default: the cutting feed)
  --units mm|inch    the program's unit word ("G21" or "G20"; default mm)
  --spindle RPM      start the spindle clockwise at RPM before the first move, stop it at the end
  The last three need --feed. Without --feed the program holds only the moves.

An empty TEXT gives an empty program. Put "--" before a TEXT that starts with "-".
Exit status: 0 done, 1 font or file problem, 2 usage error.
)";
}

}  // namespace scrivafresa::cli
