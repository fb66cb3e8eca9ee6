#pragma once

#include <cstdint>
#include <string_view>

namespace scrivafresa {

// Reads a number typed into an edit the permissive way the window always has: leading blanks
// (tab, LF, VT, FF, CR, space) skipped, one optional sign, then decimal digits up to the first
// other character. No digit reads as 0, "2mm" as 2, "1.5" as 1. A value beyond 32 bits
// saturates at the 32-bit limit, so a huge travel height can never turn into a plunge.
std::int32_t ReadWholeNumber(std::string_view text);

}  // namespace scrivafresa
