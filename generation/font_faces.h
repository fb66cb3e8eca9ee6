#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "text_outline.h"

// FreeType's handles stay out of the headers that the rest of the system includes.
typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace scrivafresa {

class FreeTypeLibrary {
public:
    FreeTypeLibrary();  // throws std::runtime_error when FreeType cannot start
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
    FT_Library get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

// How a renderer fakes a style that the face itself lacks.
struct Synthesis {
    bool embolden = false;
    bool slant = false;
    // 2x2 transform in 16.16 fixed point, applied when `slant` is set.
    long xx = 0x10000, xy = 0, yx = 0, yy = 0x10000;
    bool operator==(const Synthesis&) const = default;
};

// Vertical metrics at one em size, in whole pixels from the top of the cell.
struct CellMetrics {
    int baseline = 0;  // the ascent
    int descent = 0;
    int underlineTop = 0;
    int underlineThickness = 1;
    int strikeOutTop = 0;
    int strikeOutThickness = 1;
};

// A glyph's figures relative to its pen position on the baseline (y down), and its advance
// width rounded to whole pixels.
struct GlyphShape {
    TextOutline points;
    int advance = 0;
};

class FontFace {
public:
    // Opens face `index` of a font file; empty with `problem` set when FreeType cannot.
    static std::unique_ptr<FontFace> Open(FT_Library library, const std::string& file, int index,
                                          std::string& problem);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool HasOutlines() const;
    bool IsBold() const;
    bool IsItalic() const;
    std::string Family() const;
    std::string StyleName() const;

    unsigned GlyphIndex(char32_t character) const;  // 0 when the face lacks it

    // The em size in pixels that a window font height asks for: a negative height is the em
    // height itself, a positive one the height of the whole cell.
    int EmPixelsForHeight(int height) const;
    CellMetrics Metrics(int emPixels) const;

    // Flattens one glyph at an em size; false when FreeType cannot load it.
    bool Trace(unsigned glyph, int emPixels, const Synthesis& synthesis, double tolerance,
               GlyphShape& shape);

private:
    explicit FontFace(FT_Face face) : face_(face) {}
    bool SetEmPixels(int emPixels);

    FT_Face face_;
    int emPixels_ = 0;
};

}  // namespace scrivafresa
