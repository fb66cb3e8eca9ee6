#include "font_matching.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <stdexcept>

namespace scrivafresa {
namespace {

// The language a character set stands for, to rank faces for characters the face lacks.
const char* LanguageOf(int charset) {
    switch (charset) {
        case kShiftJisCharset: return "ja";
        case kHangulCharset: return "ko";
        case kGb2312Charset: return "zh-cn";
        case kChineseBig5Charset: return "zh-tw";
        case kGreekCharset: return "el";
        case kTurkishCharset: return "tr";
        case kHebrewCharset: return "he";
        case kArabicCharset: return "ar";
        case kRussianCharset: return "ru";
        case kThaiCharset: return "th";
        case kEastEuropeCharset: return "pl";
        default: return nullptr;
    }
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

PatternPtr Request(FcConfig* config, const EngravingFont& font, const char* language) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(font.Name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        font.Style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT,
                        font.Style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (font.Pitch == FontPitch::Fixed) FcPatternAddInteger(pattern.get(), FC_SPACING, FC_MONO);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    // A fixed language keeps the user's locale from steering the match away from the family.
    FcPatternAddString(pattern.get(), FC_LANG,
                       reinterpret_cast<const FcChar8*>(language ? language : "en"));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

long ToFixed(double v) { return std::lround(v * 65536.0); }

std::optional<FaceChoice> ChoiceOf(const FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    FcBool outline = FcTrue;
    FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
    if (!outline) return std::nullopt;

    FaceChoice choice;
    choice.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &choice.index);
    FcBool embolden = FcFalse;
    FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
    choice.synthesis.embolden = embolden;
    FcMatrix* matrix = nullptr;
    if (FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix &&
        (matrix->xx != 1 || matrix->xy != 0 || matrix->yx != 0 || matrix->yy != 1)) {
        choice.synthesis.slant = true;
        choice.synthesis.xx = ToFixed(matrix->xx);
        choice.synthesis.xy = ToFixed(matrix->xy);
        choice.synthesis.yx = ToFixed(matrix->yx);
        choice.synthesis.yy = ToFixed(matrix->yy);
    }
    return choice;
}

}  // namespace

FontCatalogue::FontCatalogue() : config_(FcInitLoadConfigAndFonts()) {
    if (!config_) throw std::runtime_error("fontconfig cannot load its configuration");
}

FontCatalogue::~FontCatalogue() { FcConfigDestroy(config_); }

std::optional<FaceChoice> FontCatalogue::Match(const EngravingFont& font) {
    PatternPtr pattern = Request(config_, font, nullptr);
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config_, pattern.get(), &result));
    if (!match) return std::nullopt;
    return ChoiceOf(match.get());
}

std::unique_ptr<FallbackFaces> FontCatalogue::Fallbacks(const EngravingFont& font) {
    PatternPtr pattern = Request(config_, font, LanguageOf(font.Charset));
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(config_, pattern.get(), FcTrue, nullptr, &result);
    if (!fonts) return nullptr;
    return std::make_unique<FallbackFaces>(config_, pattern.release(), fonts);
}

FallbackFaces::~FallbackFaces() {
    FcFontSetDestroy(fonts_);
    FcPatternDestroy(pattern_);
}

std::optional<FaceChoice> FallbackFaces::For(char32_t character) const {
    for (int i = 0; i < fonts_->nfont; ++i) {
        FcCharSet* characters = nullptr;
        if (FcPatternGetCharSet(fonts_->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch ||
            !FcCharSetHasChar(characters, character))
            continue;
        PatternPtr prepared(FcFontRenderPrepare(config_, pattern_, fonts_->fonts[i]));
        if (!prepared) continue;
        if (auto choice = ChoiceOf(prepared.get())) return choice;
    }
    return std::nullopt;
}

}  // namespace scrivafresa
