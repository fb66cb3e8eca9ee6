#pragma once

#include <string>

#include "engraving_program.h"

namespace scrivafresa::cli {

// The program's toolpath as an SVG document: travel moves blue, cuts red, Y up, one program
// unit per SVG unit, from the program origin through every written point. Coordinates come
// from the program's own lines, so the picture shows exactly what the machine will do.
std::string DrawToolpathSvg(const EngravingProgram& program);

}  // namespace scrivafresa::cli
