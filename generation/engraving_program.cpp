#include "engraving_program.h"

#include <algorithm>
#include <optional>

#include "engraving_font.h"
#include "program_text.h"

namespace scrivafresa {
namespace {

struct ScaledPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool operator==(const ScaledPoint&) const = default;
};

bool IsWritten(const OutlinePoint& point) {
    return point.x < kPointLimit && point.y < kPointLimit;
}

bool StartsFigure(const OutlinePoint& point) { return (point.type & ~PT_CLOSEFIGURE) == PT_MOVETO; }

bool ClosesFigure(const OutlinePoint& point) { return (point.type & PT_CLOSEFIGURE) != 0; }

void Include(ExtentsBox& box, ScaledPoint p) {
    box.maxX = std::max(box.maxX, p.x);
    box.maxY = std::max(box.maxY, p.y);
    box.minX = std::min(box.minX, p.x);
    box.minY = std::min(box.minY, p.y);
}

int PreviewCoordinate(std::int64_t scaled) { return static_cast<int>(scaled / 100); }

}  // namespace

std::vector<std::string_view> EngravingProgram::Lines() const { return ProgramLines(text); }

std::string FormatExtents(const ExtentsBox& box) {
    return "-x=" + std::to_string(box.minX / 100) + " -y=" + std::to_string(box.minY / 100) +
           " x=" + std::to_string(box.maxX / 100) + " y=" + std::to_string(box.maxY / 100);
}

EngravingProgram GenerateProgram(const TextOutline& outline, const ProgramSettings& settings) {
    const std::int64_t scale = settings.scale;
    auto scaled = [scale](const OutlinePoint& p) { return ScaledPoint{p.x * scale, p.y * scale}; };

    // Bounds pass: the lowest written point becomes Y 0 of the program.
    ExtentsBox box;
    for (const OutlinePoint& point : outline)
        if (IsWritten(point)) Include(box, scaled(point));
    const std::int64_t flip = box.maxY;

    EngravingProgram program;
    ProgramText text;
    text.Reserve(outline.size() + outline.size() / 8);
    program.strokes.reserve(outline.size() + outline.size() / 8);
    program.box = box;

    std::uint32_t pen = kColorBlack;  // what the cleared preview leaves until a contour starts
    std::optional<ScaledPoint> figureStart;
    std::optional<ScaledPoint> lastWritten;
    auto stroke = [&](ScaledPoint p, StrokeKind kind, std::size_t line) {
        program.strokes.push_back(
            {PreviewCoordinate(p.x), PreviewCoordinate(p.y), pen, kind, line});
    };

    for (const OutlinePoint& point : outline) {
        if (IsWritten(point)) {
            const ScaledPoint p = scaled(point);
            if (StartsFigure(point)) {
                text.Lift(settings.travelHeight);
                const std::size_t line = text.Rapid(p.x, flip - p.y);
                text.Plunge(settings.engravingDepth);
                pen = kColorBlue;
                stroke(p, StrokeKind::Travel, line);
                pen = kColorRed;
                figureStart = p;
            } else {
                stroke(p, StrokeKind::Cut, text.Cut(p.x, flip - p.y));
            }
            lastWritten = p;
        }
        if (ClosesFigure(point)) {
            // A traced contour has no open side: cut back to where the figure began.
            if (figureStart && lastWritten && *lastWritten != *figureStart) {
                stroke(*figureStart, StrokeKind::Cut, text.Cut(figureStart->x, flip - figureStart->y));
                lastWritten = figureStart;
            }
            figureStart.reset();
        }
    }

    program.lineCount = text.LineCount();
    program.text = text.TakeText();
    program.extents = FormatExtents(box);
    return program;
}

}  // namespace scrivafresa
