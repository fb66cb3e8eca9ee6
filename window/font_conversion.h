#pragma once

#include <QColor>
#include <QFont>

#include "engraving_font.h"

namespace scrivafresa {

// The engraving font as the text edit shows it: the same face, em height and style.
QFont DisplayFont(const EngravingFont& font);

// The engraving font as the font dialog offers it: sized in points at the screen's resolution.
QFont DialogFont(const EngravingFont& font, int pixelsPerInch);

// A font confirmed in the dialog as an engraving font. The dialog chooses neither a colour nor a
// character set, so those stay as `previous` had them.
EngravingFont ChosenEngravingFont(const QFont& chosen, const EngravingFont& previous,
                                  int pixelsPerInch);

// 0x00BBGGRR, the lowest byte red.
QColor ColorOf(std::uint32_t colorValue);

}  // namespace scrivafresa
