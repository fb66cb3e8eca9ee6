#pragma once

#include <string_view>

#include "engraving_font.h"
#include "engraving_program.h"
#include "outline_source.h"

namespace scrivafresa {

// One press of Generate: the text's outline in the font, traced into a program at the scale,
// with the travel height and depth read from their edits' texts the permissive way.
EngravingProgram RunGeneration(OutlineSource& source, std::string_view text,
                               const EngravingFont& font, int scale,
                               std::string_view travelText, std::string_view depthText);

}  // namespace scrivafresa
