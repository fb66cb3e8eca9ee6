#include "engraving_font.h"

#include <cstdint>

namespace scrivafresa {

int HeightFromPoints(int points, int pixelsPerInch) {
    // Rounded to the nearest pixel, halves away from zero.
    const std::int64_t product = std::int64_t{points} * pixelsPerInch;
    const std::int64_t rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
    return static_cast<int>(-rounded);
}

}  // namespace scrivafresa
