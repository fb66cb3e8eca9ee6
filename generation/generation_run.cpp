#include "generation_run.h"

#include "numbers.h"

namespace scrivafresa {

EngravingProgram RunGeneration(OutlineSource& source, std::string_view text,
                               const EngravingFont& font, int scale,
                               std::string_view travelText, std::string_view depthText) {
    ProgramSettings settings;
    settings.scale = scale;
    settings.travelHeight = ReadWholeNumber(travelText);
    settings.engravingDepth = ReadWholeNumber(depthText);
    return GenerateProgram(source.GetTextOutline(text, font), settings);
}

}  // namespace scrivafresa
