#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engraving_font.h"
#include "font_faces.h"

// fontconfig's types stay out of the headers that the rest of the system includes.
typedef struct _FcConfig FcConfig;
typedef struct _FcPattern FcPattern;
typedef struct _FcFontSet FcFontSet;

namespace scrivafresa {

// A face that fontconfig chose, with the styles a renderer would fake on it.
struct FaceChoice {
    std::string file;
    int index = 0;
    Synthesis synthesis;
};

class FallbackFaces;

// The fonts installed on this machine, as fontconfig sees them.
class FontCatalogue {
public:
    FontCatalogue();  // throws std::runtime_error when fontconfig cannot load its configuration
    ~FontCatalogue();
    FontCatalogue(const FontCatalogue&) = delete;
    FontCatalogue& operator=(const FontCatalogue&) = delete;

    // The face for a font, its family name first: the character set never overrides it.
    std::optional<FaceChoice> Match(const EngravingFont& font);

    // Faces in the order fontconfig prefers them for the font and its character set, to take
    // the characters that the matched face lacks from.
    std::unique_ptr<FallbackFaces> Fallbacks(const EngravingFont& font);

private:
    FcConfig* config_ = nullptr;
};

class FallbackFaces {
public:
    FallbackFaces(FcConfig* config, FcPattern* pattern, FcFontSet* fonts)
        : config_(config), pattern_(pattern), fonts_(fonts) {}
    ~FallbackFaces();
    FallbackFaces(const FallbackFaces&) = delete;
    FallbackFaces& operator=(const FallbackFaces&) = delete;

    // The first face in the order that has the character, if any has.
    std::optional<FaceChoice> For(char32_t character) const;

private:
    FcConfig* config_;
    FcPattern* pattern_;
    FcFontSet* fonts_;
};

}  // namespace scrivafresa
