#pragma once

#include <cstdint>
#include <vector>

namespace scrivafresa {

// Point types of a flattened outline. A figure is one PT_MOVETO point, PT_LINETO points, and
// its last point carries PT_CLOSEFIGURE as well (PT_LINETO | PT_CLOSEFIGURE == 3).
inline constexpr std::uint8_t PT_CLOSEFIGURE = 1;
inline constexpr std::uint8_t PT_LINETO = 2;
inline constexpr std::uint8_t PT_MOVETO = 6;

// One point of the outline of a text, in whole pixels: (0, 0) is the top-left corner of the
// first character cell and y grows downward.
struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t type = PT_LINETO;
    bool operator==(const OutlinePoint&) const = default;
};

using TextOutline = std::vector<OutlinePoint>;

}  // namespace scrivafresa
