#include "outline_source.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

#include "font_faces.h"
#include "font_matching.h"
#include "utf8_text.h"

namespace scrivafresa {
namespace {

// Curves are flattened to within this many pixels, well under the whole pixel that the
// points are then rounded to.
constexpr double kFlatteningTolerance = 0.2;
// What a malformed byte of the text stands for.
constexpr char32_t kReplacementCharacter = 0xFFFD;
// The slant a renderer gives a face that has no italic of its own.
constexpr long kSyntheticSlant = 0x3333;  // 0.2 in 16.16
// Flattened glyphs kept before the cache starts afresh.
constexpr std::size_t kMaxCachedGlyphs = 50000;

// A filled rectangle across the text, as underline and strike-out draw it.
void AppendBar(int left, int right, int top, int thickness, TextOutline& out) {
    const int bottom = top + thickness;
    out.push_back({left, top, PT_MOVETO});
    out.push_back({right, top, PT_LINETO});
    out.push_back({right, bottom, PT_LINETO});
    out.push_back({left, bottom, PT_LINETO | PT_CLOSEFIGURE});
}

struct GlyphSource {
    FontFace* face = nullptr;
    Synthesis synthesis;
};

// Everything about one font except its size and its lines.
using FontKey = std::tuple<std::string, bool, bool, FontPitch, int>;

FontKey KeyOf(const EngravingFont& font) {
    return {font.Name, font.Style.bold, font.Style.italic, font.Pitch, font.Charset};
}

struct ResolvedFont {
    GlyphSource primary;
    ResolvedFace description;
    std::unique_ptr<FallbackFaces> fallbacks;
    bool fallbacksSorted = false;
    std::unordered_map<char32_t, GlyphSource> fallbackFor;
};

struct GlyphKey {
    const FontFace* face;
    unsigned glyph;
    int emPixels;
    bool embolden;
    bool slant;
    long xy;
    bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
    std::size_t operator()(const GlyphKey& k) const {
        std::size_t h = std::hash<const void*>()(k.face);
        auto mix = [&h](std::size_t v) { h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2); };
        mix(k.glyph);
        mix(static_cast<std::size_t>(k.emPixels));
        mix((k.embolden ? 1u : 0u) | (k.slant ? 2u : 0u));
        mix(static_cast<std::size_t>(k.xy));
        return h;
    }
};

}  // namespace

struct OutlineSource::State {
    std::optional<std::string> fontFile;
    FreeTypeLibrary library;
    std::unique_ptr<FontCatalogue> catalogue;
    std::string catalogueProblem;
    std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces;
    std::map<FontKey, ResolvedFont> fonts;
    std::unordered_map<GlyphKey, GlyphShape, GlyphKeyHash> glyphs;

    FontFace* OpenFace(const std::string& file, int index, std::string& problem) {
        auto [it, added] = faces.try_emplace({file, index});
        if (added) {
            it->second = FontFace::Open(library.get(), file, index, problem);
            if (it->second && !it->second->HasOutlines()) {
                problem = "the font " + file + " has no outlines to trace";
                it->second.reset();
            }
        } else if (!it->second) {
            problem = "cannot use the font file " + file;
        }
        return it->second.get();
    }

    FontCatalogue* Catalogue() {
        if (!catalogue && catalogueProblem.empty()) {
            try {
                catalogue = std::make_unique<FontCatalogue>();
            } catch (const std::runtime_error& e) {
                catalogueProblem = e.what();
            }
        }
        return catalogue.get();
    }

    ResolvedFont& Resolve(const EngravingFont& font) {
        auto [it, added] = fonts.try_emplace(KeyOf(font));
        ResolvedFont& resolved = it->second;
        if (!added) return resolved;

        std::string problem;
        std::string file;
        if (fontFile) {
            file = *fontFile;
            resolved.primary.face = OpenFace(*fontFile, 0, problem);
            if (FontFace* face = resolved.primary.face) {
                resolved.primary.synthesis.embolden = font.Style.bold && !face->IsBold();
                if (font.Style.italic && !face->IsItalic()) {
                    resolved.primary.synthesis.slant = true;
                    resolved.primary.synthesis.xy = kSyntheticSlant;
                }
            }
        } else if (FontCatalogue* fonts = Catalogue()) {
            if (auto choice = fonts->Match(font)) {
                resolved.primary.face = OpenFace(choice->file, choice->index, problem);
                resolved.primary.synthesis = choice->synthesis;
                file = choice->file;
            } else {
                problem = "no installed font matches \"" + font.Name + "\"";
            }
        } else {
            problem = catalogueProblem;
        }

        ResolvedFace& d = resolved.description;
        if (const FontFace* face = resolved.primary.face) {
            d.usable = true;
            d.family = face->Family();
            d.style = face->StyleName();
            d.file = file;
        }
        d.problem = problem;
        return resolved;
    }

    // The face that draws a character: the font's own, else the first fallback that has it,
    // else the font's own missing-glyph box.
    std::pair<GlyphSource, unsigned> GlyphFor(ResolvedFont& font, const EngravingFont& request,
                                              char32_t c) {
        const unsigned own = font.primary.face->GlyphIndex(c);
        if (own != 0 || fontFile || !catalogue) return {font.primary, own};

        auto [it, added] = font.fallbackFor.try_emplace(c);
        if (added) {
            if (!font.fallbacksSorted) {
                font.fallbacks = catalogue->Fallbacks(request);
                font.fallbacksSorted = true;
            }
            if (font.fallbacks) {
                if (auto choice = font.fallbacks->For(c)) {
                    std::string ignored;
                    it->second.face = OpenFace(choice->file, choice->index, ignored);
                    it->second.synthesis = choice->synthesis;
                }
            }
        }
        if (it->second.face) {
            if (const unsigned glyph = it->second.face->GlyphIndex(c); glyph != 0)
                return {it->second, glyph};
        }
        return {font.primary, 0};
    }

    void MakeRoomForGlyphs() {
        if (glyphs.size() >= kMaxCachedGlyphs) glyphs.clear();
    }

    const GlyphShape* Shape(const GlyphSource& source, unsigned glyph, int emPixels) {
        const Synthesis& s = source.synthesis;
        const GlyphKey key{source.face, glyph, emPixels, s.embolden, s.slant, s.slant ? s.xy : 0};
        if (auto it = glyphs.find(key); it != glyphs.end()) return &it->second;
        GlyphShape shape;
        if (!source.face->Trace(glyph, emPixels, s, kFlatteningTolerance, shape)) shape = {};
        return &glyphs.emplace(key, std::move(shape)).first->second;
    }
};

OutlineSource::OutlineSource() : state_(std::make_unique<State>()) {}

OutlineSource::OutlineSource(std::string fontFile) : state_(std::make_unique<State>()) {
    state_->fontFile = std::move(fontFile);
}

OutlineSource::~OutlineSource() = default;

ResolvedFace OutlineSource::Resolve(const EngravingFont& font) {
    return state_->Resolve(font).description;
}

TextOutline OutlineSource::GetTextOutline(std::string_view text, const EngravingFont& font) {
    TextOutline outline;
    if (text.empty()) return outline;
    ResolvedFont& resolved = state_->Resolve(font);
    FontFace* face = resolved.primary.face;
    if (!face) return outline;

    const int em = face->EmPixelsForHeight(font.Height);
    const CellMetrics metrics = face->Metrics(em);
    // Glyphs first, then their points in one allocation. Cached shapes stay where they are
    // while the text is laid out.
    state_->MakeRoomForGlyphs();
    std::vector<std::pair<const GlyphShape*, int>> placed;
    std::size_t points = 8;  // room for underline and strike-out
    int pen = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = DecodeCharacter(text, i).value_or(kReplacementCharacter);
        const auto [source, glyph] = state_->GlyphFor(resolved, font, c);
        const GlyphShape* shape = state_->Shape(source, glyph, em);
        placed.emplace_back(shape, pen);
        points += shape->points.size();
        pen += shape->advance;
    }
    outline.reserve(points);
    for (const auto& [shape, x] : placed) {
        for (OutlinePoint p : shape->points) {
            p.x += x;
            p.y += metrics.baseline;
            outline.push_back(p);
        }
    }
    if (pen > 0 && font.Style.underline)
        AppendBar(0, pen, metrics.underlineTop, metrics.underlineThickness, outline);
    if (pen > 0 && font.Style.strikeOut)
        AppendBar(0, pen, metrics.strikeOutTop, metrics.strikeOutThickness, outline);
    return outline;
}

}  // namespace scrivafresa
