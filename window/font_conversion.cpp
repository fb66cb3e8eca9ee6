#include "font_conversion.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>

namespace scrivafresa {
namespace {

void ApplyFace(QFont& qfont, const EngravingFont& font) {
    qfont.setFamily(QString::fromStdString(font.Name));
    qfont.setBold(font.Style.bold);
    qfont.setItalic(font.Style.italic);
    qfont.setUnderline(font.Style.underline);
    qfont.setStrikeOut(font.Style.strikeOut);
    qfont.setFixedPitch(font.Pitch == FontPitch::Fixed);
    if (font.Pitch == FontPitch::Fixed) qfont.setStyleHint(QFont::TypeWriter);
}

// The em height in pixels of a font height: negative heights are em heights already, positive
// ones are cell heights (ascent + descent) of the face.
double EmPixels(const EngravingFont& font) {
    if (font.Height < 0) return -static_cast<double>(font.Height);
    if (font.Height == 0) return 0;
    QFont probe;
    ApplyFace(probe, font);
    probe.setPixelSize(100);
    const double cell = QFontMetricsF(probe).height();
    return cell > 0 ? font.Height * 100.0 / cell : font.Height;
}

}  // namespace

QFont DisplayFont(const EngravingFont& font) {
    QFont qfont;
    ApplyFace(qfont, font);
    const double em = EmPixels(font);
    if (em >= 1) qfont.setPixelSize(static_cast<int>(std::lround(em)));
    return qfont;
}

QFont DialogFont(const EngravingFont& font, int pixelsPerInch) {
    QFont qfont;
    ApplyFace(qfont, font);
    const double em = EmPixels(font);
    if (em > 0 && pixelsPerInch > 0) qfont.setPointSizeF(em * 72.0 / pixelsPerInch);
    return qfont;
}

EngravingFont ChosenEngravingFont(const QFont& chosen, const EngravingFont& previous,
                                  int pixelsPerInch) {
    EngravingFont font = previous;
    // The dialog names a face that several foundries supply as "Family [Foundry]".
    QString family = chosen.family();
    if (const qsizetype foundry = family.indexOf(QLatin1String(" [")); foundry > 0)
        family.truncate(foundry);
    font.Name = family.toStdString();
    if (chosen.pixelSize() > 0)
        font.Height = -chosen.pixelSize();
    else if (chosen.pointSizeF() > 0)
        font.Height = -static_cast<int>(std::lround(chosen.pointSizeF() * pixelsPerInch / 72.0));
    font.Style.bold = chosen.weight() > QFont::Normal;
    font.Style.italic = chosen.italic();
    font.Style.underline = chosen.underline();
    font.Style.strikeOut = chosen.strikeOut();
    if (QFontDatabase::isFixedPitch(family))
        font.Pitch = FontPitch::Fixed;
    else if (font.Pitch == FontPitch::Fixed)
        font.Pitch = FontPitch::Default;
    return font;
}

QColor ColorOf(std::uint32_t colorValue) {
    return QColor(colorValue & 0xFF, (colorValue >> 8) & 0xFF, (colorValue >> 16) & 0xFF);
}

}  // namespace scrivafresa
