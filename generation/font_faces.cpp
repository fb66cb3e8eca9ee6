#include "font_faces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "curve_flattening.h"

namespace scrivafresa {
namespace {

// Larger em sizes give nothing that fits a machine's table; they are cut to this.
constexpr int kMaxEmPixels = 20000;
// The em size of a font whose height is 0: the toolkit's usual default.
constexpr int kDefaultEmPixels = 16;

// FreeType outlines have y upward from the baseline; ours grow downward.
PlanePoint FromFreeType(const FT_Vector* v) { return {v->x / 64.0, -v->y / 64.0}; }

ContourFlattener& Sink(void* user) { return *static_cast<ContourFlattener*>(user); }

int MoveTo(const FT_Vector* to, void* user) {
    Sink(user).MoveTo(FromFreeType(to));
    return 0;
}
int LineTo(const FT_Vector* to, void* user) {
    Sink(user).LineTo(FromFreeType(to));
    return 0;
}
int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    Sink(user).ConicTo(FromFreeType(control), FromFreeType(to));
    return 0;
}
int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to,
            void* user) {
    Sink(user).CubicTo(FromFreeType(control1), FromFreeType(control2), FromFreeType(to));
    return 0;
}

constexpr FT_Outline_Funcs kOutlineFuncs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};

std::int32_t Round(double v) { return static_cast<std::int32_t>(std::lround(v)); }

// Whole-pixel figures: consecutive equal points and a last point equal to the first (the
// closing is implied) are dropped; what is left of fewer than two points traces nothing.
void AppendFigures(const std::vector<std::vector<PlanePoint>>& contours, TextOutline& out) {
    TextOutline figure;
    for (const auto& contour : contours) {
        figure.clear();
        for (const PlanePoint& p : contour) {
            const OutlinePoint point{Round(p.x), Round(p.y), PT_LINETO};
            if (figure.empty() || figure.back() != point) figure.push_back(point);
        }
        while (figure.size() > 1 && figure.back() == figure.front()) figure.pop_back();
        if (figure.size() < 2) continue;
        figure.front().type = PT_MOVETO;
        figure.back().type = PT_LINETO | PT_CLOSEFIGURE;
        out.insert(out.end(), figure.begin(), figure.end());
    }
}

}  // namespace

FreeTypeLibrary::FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType cannot start");
}

FreeTypeLibrary::~FreeTypeLibrary() { FT_Done_FreeType(library_); }

std::unique_ptr<FontFace> FontFace::Open(FT_Library library, const std::string& file, int index,
                                         std::string& problem) {
    FT_Face face = nullptr;
    const FT_Error error = FT_New_Face(library, file.c_str(), index, &face);
    if (error != 0) {
        problem = error == FT_Err_Cannot_Open_Resource ? "cannot open font file " + file
                                                        : "not a font file FreeType reads: " + file;
        return nullptr;
    }
    return std::unique_ptr<FontFace>(new FontFace(face));
}

FontFace::~FontFace() { FT_Done_Face(face_); }

bool FontFace::HasOutlines() const { return FT_IS_SCALABLE(face_) && face_->units_per_EM > 0; }
bool FontFace::IsBold() const { return (face_->style_flags & FT_STYLE_FLAG_BOLD) != 0; }
bool FontFace::IsItalic() const { return (face_->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }
std::string FontFace::Family() const { return face_->family_name ? face_->family_name : ""; }
std::string FontFace::StyleName() const { return face_->style_name ? face_->style_name : ""; }

unsigned FontFace::GlyphIndex(char32_t character) const {
    return FT_Get_Char_Index(face_, character);
}

int FontFace::EmPixelsForHeight(int height) const {
    if (height == 0) return kDefaultEmPixels;
    double em = 0;
    if (height < 0) {
        em = -static_cast<double>(height);
    } else {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        double cell = os2 && os2->version != 0xFFFF
                          ? static_cast<double>(os2->usWinAscent) + os2->usWinDescent
                          : static_cast<double>(face_->ascender) - face_->descender;
        if (cell <= 0) cell = face_->units_per_EM;
        em = std::round(height * static_cast<double>(face_->units_per_EM) / cell);
    }
    return static_cast<int>(std::clamp(em, 1.0, static_cast<double>(kMaxEmPixels)));
}

CellMetrics FontFace::Metrics(int emPixels) const {
    const double scale = static_cast<double>(emPixels) / face_->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    CellMetrics m;
    m.baseline = Round((hasOs2 ? static_cast<double>(os2->usWinAscent) : static_cast<double>(face_->ascender)) * scale);
    m.descent = Round((hasOs2 ? static_cast<double>(os2->usWinDescent) : -static_cast<double>(face_->descender)) * scale);

    m.underlineThickness = std::max(1, Round(face_->underline_thickness * scale));
    const double underlineCentre = m.baseline - face_->underline_position * scale;
    m.underlineTop = Round(underlineCentre - m.underlineThickness / 2.0);

    if (hasOs2 && os2->yStrikeoutSize > 0) {
        m.strikeOutThickness = std::max(1, Round(os2->yStrikeoutSize * scale));
        m.strikeOutTop = m.baseline - Round(os2->yStrikeoutPosition * scale);
    } else {
        m.strikeOutThickness = m.underlineThickness;
        m.strikeOutTop = m.baseline - Round(emPixels * 0.3);
    }
    return m;
}

bool FontFace::SetEmPixels(int emPixels) {
    if (emPixels_ == emPixels) return true;
    if (FT_Set_Char_Size(face_, 0, FT_F26Dot6{emPixels} * 64, 72, 72) != 0) return false;
    emPixels_ = emPixels;
    return true;
}

bool FontFace::Trace(unsigned glyph, int emPixels, const Synthesis& synthesis, double tolerance,
                     GlyphShape& shape) {
    if (!SetEmPixels(emPixels)) return false;
    if (FT_Load_Glyph(face_, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return false;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;

    FT_Pos advance = slot->advance.x;
    if (synthesis.embolden) {
        // The strength a renderer uses for a face that has no bold of its own.
        const FT_Pos strength = FT_MulFix(face_->units_per_EM, face_->size->metrics.y_scale) / 24;
        if (FT_Outline_Embolden(&slot->outline, strength) != 0) return false;
        advance += strength;
    }
    if (synthesis.slant) {
        FT_Matrix matrix{synthesis.xx, synthesis.xy, synthesis.yx, synthesis.yy};
        FT_Outline_Transform(&slot->outline, &matrix);
    }

    ContourFlattener flattener(tolerance);
    if (FT_Outline_Decompose(&slot->outline, &kOutlineFuncs, &flattener) != 0) return false;
    shape.points.clear();
    AppendFigures(flattener.Contours(), shape.points);
    shape.advance = Round(advance / 64.0);
    return true;
}

}  // namespace scrivafresa
