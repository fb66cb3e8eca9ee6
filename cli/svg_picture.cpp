#include "svg_picture.h"

#include <algorithm>
#include <string_view>

#include "program_text.h"

namespace scrivafresa::cli {
namespace {

struct Hundredths {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

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
    std::string travel;
    std::string cuts;
    Hundredths at;  // the machine starts at the program origin
    Hundredths low, high;
    for (const PreviewStroke& stroke : program.strokes) {
        // The program's own coordinates, exact at any scale, unlike the preview's pixels.
        const Hundredths to{stroke.programX, stroke.programY};
        if (stroke.kind == StrokeKind::Travel) {
            AppendPoint(travel, 'M', at);
            AppendPoint(travel, 'L', to);
            AppendPoint(cuts, 'M', to);
        } else {
            AppendPoint(cuts, 'L', to);
        }
        at = to;
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
