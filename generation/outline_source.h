#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engraving_font.h"
#include "text_outline.h"

namespace scrivafresa {

// Which face a font resolves to, so that a front end can say so or refuse a font that gives
// nothing to engrave.
struct ResolvedFace {
    bool usable = false;   // a scalable face with outlines was found
    std::string family;    // e.g. "DejaVu Sans"
    std::string style;     // e.g. "Bold"
    std::string file;
    std::string problem;   // why it is not usable, for a message
};

// Turns a line of text in an engraving font into its flattened outline (FreeType outlines,
// fontconfig matching). It keeps the faces it opened and the glyphs it flattened, so keep one
// source for the life of a front end: the same text and font give the same outline every time.
class OutlineSource {
public:
    // Faces are found by fontconfig from the font's name, style and pitch.
    OutlineSource();
    // Every font resolves to this font file (face 0) instead; fontconfig is not used at all.
    explicit OutlineSource(std::string fontFile);
    ~OutlineSource();
    OutlineSource(const OutlineSource&) = delete;
    OutlineSource& operator=(const OutlineSource&) = delete;

    // The outline of UTF-8 text laid out from (0, 0), the top-left corner of the first
    // character cell, left to right. Empty for an empty text or a font with nothing to trace.
    TextOutline GetTextOutline(std::string_view text, const EngravingFont& font);

    ResolvedFace Resolve(const EngravingFont& font);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace scrivafresa
