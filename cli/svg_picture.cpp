#include "svg_picture.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "program_text.h"

namespace scrivafresa::cli {
namespace {

struct Hundredths {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Reads a coordinate written as the program writes it ("-12.34") after `word` in a line.
std::optional<std::int64_t> ReadCoordinate(std::string_view line, char word) {
    const char key[] = {' ', word, '\0'};
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t i = at + 2;
    const bool negative = i < line.size() && line[i] == '-';
    if (negative) ++i;
    std::int64_t value = 0;
    int decimals = -1;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 2) {
            value = value * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
        } else {
            break;
        }
    }
    if (decimals != 2) return std::nullopt;
    return negative ? -value : value;
}

std::optional<Hundredths> ReadMove(std::string_view line) {
    const auto x = ReadCoordinate(line, 'X');
    const auto y = ReadCoordinate(line, 'Y');
    if (!x || !y) return std::nullopt;
    return Hundredths{*x, *y};
}

void Append(std::string& out, std::int64_t hundredths) {
    char room[32];
    out.append(room, WriteHundredths(room, hundredths));
}

void AppendPoint(std::string& out, char command, Hundredths p) {
    out += command;
    Append(out, p.x);
    out += ' ';
    Append(out, p.y);
}

}  // namespace

std::string DrawToolpathSvg(const EngravingProgram& program) {
    const std::vector<std::string_view> lines = program.Lines();
    std::string travel;
    std::string cuts;
    Hundredths at;  // the machine starts at the program origin
    Hundredths low, high;
    for (const PreviewStroke& stroke : program.strokes) {
        if (stroke.line >= lines.size()) continue;
        const std::optional<Hundredths> to = ReadMove(lines[stroke.line]);
        if (!to) continue;
        if (stroke.kind == StrokeKind::Travel) {
            AppendPoint(travel, 'M', at);
            AppendPoint(travel, 'L', *to);
            AppendPoint(cuts, 'M', *to);
        } else {
            AppendPoint(cuts, 'L', *to);
        }
        at = *to;
        low = {std::min(low.x, at.x), std::min(low.y, at.y)};
        high = {std::max(high.x, at.x), std::max(high.y, at.y)};
    }

    // A margin of a twentieth of the drawing keeps the outermost strokes fully in view.
    const std::int64_t width = high.x - low.x;
    const std::int64_t height = high.y - low.y;
    const std::int64_t margin =
        width == 0 && height == 0 ? 100 : std::max<std::int64_t>(1, std::max(width, height) / 20);

    // The group flips Y, so the picture's numbers are the program's own.
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"";
    Append(svg, low.x - margin);
    svg += ' ';
    Append(svg, -(high.y + margin));
    svg += ' ';
    Append(svg, width + 2 * margin);
    svg += ' ';
    Append(svg, height + 2 * margin);
    svg +=
        "\">\n<g transform=\"scale(1,-1)\" fill=\"none\" stroke-linecap=\"round\" "
        "stroke-linejoin=\"round\">\n";
    const auto path = [&svg](std::string_view color, const std::string& data) {
        if (data.empty()) return;
        svg += "<path stroke=\"";
        svg += color;
        svg += "\" stroke-width=\"1\" vector-effect=\"non-scaling-stroke\" d=\"";
        svg += data;
        svg += "\"/>\n";
    };
    path("#0000ff", travel);
    path("#ff0000", cuts);
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace scrivafresa::cli
