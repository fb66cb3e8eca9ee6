#pragma once

#include <cstdint>
#include <string>

namespace scrivafresa {

// Character sets as the window's font carries them. They only steer which face supplies a
// character that the named face lacks; they never replace the named face.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kShiftJisCharset = 128;
inline constexpr int kHangulCharset = 129;
inline constexpr int kGb2312Charset = 134;
inline constexpr int kChineseBig5Charset = 136;
inline constexpr int kGreekCharset = 161;
inline constexpr int kTurkishCharset = 162;
inline constexpr int kHebrewCharset = 177;
inline constexpr int kArabicCharset = 178;
inline constexpr int kRussianCharset = 204;
inline constexpr int kThaiCharset = 222;
inline constexpr int kEastEuropeCharset = 238;

enum class FontPitch { Default, Variable, Fixed };

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontStyle&) const = default;
};

// Colours are 0x00BBGGRR: the lowest byte is red.
inline constexpr std::uint32_t kColorBlack = 0x000000;
inline constexpr std::uint32_t kColorWhite = 0xFFFFFF;
inline constexpr std::uint32_t kColorBlue = 0xFF0000;
inline constexpr std::uint32_t kColorRed = 0x0000FF;

// The engraving font: everything the outline of a text depends on, plus the colour the
// window shows the text in. Height is in pixels; negative asks for that em height,
// positive for that cell height (ascent + descent).
struct EngravingFont {
    std::string Name = "Verdana";
    int Height = -48;
    FontStyle Style;
    int Charset = kDefaultCharset;
    FontPitch Pitch = FontPitch::Default;
    std::uint32_t Color = kColorBlack;
    bool operator==(const EngravingFont&) const = default;
};

// Faces are named by at most this many characters, as the window's font holds them.
inline constexpr std::size_t kMaxFaceNameLength = 31;

// A size in points at a screen resolution, as a (negative) em height in pixels, rounded to
// the nearest pixel: 36 points at 96 pixels per inch is -48.
int HeightFromPoints(int points, int pixelsPerInch);

}  // namespace scrivafresa
