#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text_outline.h"

namespace scrivafresa {

inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 500;

// Outline points at or beyond this pixel x or y are left out of the program.
inline constexpr std::int32_t kPointLimit = 5000;

struct ProgramSettings {
    int scale = 100;                   // hundredths of a program unit per pixel
    std::int32_t travelHeight = 2;     // Z of every lift
    std::int32_t engravingDepth = -1;  // Z of every plunge
};

// Smallest and largest scaled x and y of the written points, in hundredths, with y downward
// as in the outline. It always holds the origin.
struct ExtentsBox {
    std::int64_t minX = 0;
    std::int64_t minY = 0;
    std::int64_t maxX = 0;
    std::int64_t maxY = 0;
    bool operator==(const ExtentsBox&) const = default;
};

enum class StrokeKind { Travel, Cut };

// One straight stroke of the preview, from where the previous one ended (the first from
// (0, 0)) to (x, y) in preview pixels, y downward. It draws program line `line`, the move to
// (programX, programY) in hundredths of a program unit, Y upward.
struct PreviewStroke {
    int x = 0;
    int y = 0;
    std::uint32_t color = 0;  // 0x00BBGGRR
    StrokeKind kind = StrokeKind::Cut;
    std::size_t line = 0;
    std::int64_t programX = 0;
    std::int64_t programY = 0;
    bool operator==(const PreviewStroke&) const = default;
};

struct EngravingProgram {
    std::string text;  // every line followed by CR LF
    std::size_t lineCount = 0;
    ExtentsBox box;
    std::string extents;  // "-x=%d -y=%d x=%d y=%d" in whole program units
    std::vector<PreviewStroke> strokes;

    std::vector<std::string_view> Lines() const;
};

// Traces every figure of the outline: lift, rapid move to its first point, plunge, a cut to
// each further point and a cut back to the first point. Y is flipped upward so that the
// lowest written point lies at Y 0.
EngravingProgram GenerateProgram(const TextOutline& outline, const ProgramSettings& settings);

enum class ProgramUnits { Millimetres, Inches };

// What a controller needs to run the program as it is. Rates are in thousandths, so a feed
// of 12.5 program units per minute is 12500.
struct ControllerWords {
    std::int64_t feed = 0;        // cutting feed, program units per minute; above 0
    std::int64_t plungeFeed = 0;  // 0: plunge at the cutting feed
    ProgramUnits units = ProgramUnits::Millimetres;
    std::int64_t spindleSpeed = 0;  // revolutions per minute, clockwise; 0: spindle left alone
};

// The same figures, points and order, made ready for a controller: a header (absolute
// distances, feed per minute, the unit word, the spindle start), a feed on every plunge and
// cut, and an end (a lift out of the work, the spindle stop, the program end).
EngravingProgram GenerateProgram(const TextOutline& outline, const ProgramSettings& settings,
                                 const ControllerWords& controller);

std::string FormatExtents(const ExtentsBox& box);

}  // namespace scrivafresa
