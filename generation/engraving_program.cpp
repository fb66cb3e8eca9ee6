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

namespace {

// Writes the figures of the outline into `text` and their strokes into `program`.
void TraceFigures(const TextOutline& outline, const ProgramSettings& settings, ProgramText& text,
                  EngravingProgram& program) {
    const std::int64_t scale = settings.scale;
    auto scaled = [scale](const OutlinePoint& p) { return ScaledPoint{p.x * scale, p.y * scale}; };

    // Bounds pass: the lowest written point becomes Y 0 of the program.
    // It also counts the moves, so that the program and its strokes are allocated once.
    ExtentsBox box;
    std::size_t written = 0, starts = 0, closes = 0;
    for (const OutlinePoint& point : outline) {
        closes += ClosesFigure(point);
        if (!IsWritten(point)) continue;
        Include(box, scaled(point));
        ++written;
        starts += StartsFigure(point);
    }
    const std::int64_t flip = box.maxY;

    text.Reserve(written + 2 * starts + closes);
    program.strokes.reserve(written + closes);
    program.box = box;

    std::uint32_t pen = kColorBlack;  // what the cleared preview leaves until a contour starts
    std::optional<ScaledPoint> figureStart;
    std::optional<ScaledPoint> lastWritten;
    auto stroke = [&](ScaledPoint p, StrokeKind kind, std::size_t line) {
        program.strokes.push_back(
            {PreviewCoordinate(p.x), PreviewCoordinate(p.y), pen, kind, line, p.x, flip - p.y});
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

    program.extents = FormatExtents(box);
}

void TakeText(ProgramText& text, EngravingProgram& program) {
    program.lineCount = text.LineCount();
    program.text = text.TakeText();
}

}  // namespace

EngravingProgram GenerateProgram(const TextOutline& outline, const ProgramSettings& settings) {
    EngravingProgram program;
    ProgramText text;
    TraceFigures(outline, settings, text, program);
    TakeText(text, program);
    return program;
}

EngravingProgram GenerateProgram(const TextOutline& outline, const ProgramSettings& settings,
                                 const ControllerWords& controller) {
    EngravingProgram program;
    ProgramText text;
    text.Words("G90");
    text.Words("G94");
    text.Words(controller.units == ProgramUnits::Inches ? "G20" : "G21");
    if (controller.spindleSpeed > 0) text.SpindleClockwise(controller.spindleSpeed);
    text.UseFeeds(controller.plungeFeed > 0 ? controller.plungeFeed : controller.feed,
                  controller.feed);
    TraceFigures(outline, settings, text, program);
    // The tool ends at the engraving depth: take it out of the work before the spindle stops.
    text.Lift(settings.travelHeight);
    if (controller.spindleSpeed > 0) text.Words("M5");
    text.Words("M2");
    TakeText(text, program);
    return program;
}

}  // namespace scrivafresa
