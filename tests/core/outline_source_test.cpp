#include "outline_source.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "generation_run.h"

namespace scrivafresa {
namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

EngravingFont Font(std::string name, int height = -48) {
    EngravingFont font;
    font.Name = std::move(name);
    font.Height = height;
    return font;
}

int Figures(const TextOutline& outline) {
    return static_cast<int>(std::count_if(outline.begin(), outline.end(),
                                          [](const OutlinePoint& p) { return p.type == PT_MOVETO; }));
}

// Every figure is one MOVETO, LINETOs, and a last point flagged closed; nothing else occurs.
void ExpectFigures(const TextOutline& outline) {
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ(outline.front().type, PT_MOVETO);
    EXPECT_EQ(outline.back().type, PT_LINETO | PT_CLOSEFIGURE);
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const std::uint8_t type = outline[i].type;
        ASSERT_TRUE(type == PT_MOVETO || type == PT_LINETO || type == (PT_LINETO | PT_CLOSEFIGURE))
            << "point " << i << " has type " << int(type);
        if (i + 1 < outline.size()) {
            EXPECT_EQ(type == (PT_LINETO | PT_CLOSEFIGURE), outline[i + 1].type == PT_MOVETO)
                << "a figure must end right before the next one starts, at point " << i;
            EXPECT_NE(outline[i], (OutlinePoint{outline[i + 1].x, outline[i + 1].y, type}))
                << "consecutive equal points at " << i;
        }
    }
}

struct Bounds {
    int minX, minY, maxX, maxY;
};

Bounds BoundsOf(const TextOutline& outline) {
    Bounds b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const OutlinePoint& p : outline) {
        b.minX = std::min(b.minX, p.x), b.maxX = std::max(b.maxX, p.x);
        b.minY = std::min(b.minY, p.y), b.maxY = std::max(b.maxY, p.y);
    }
    return b;
}

class PinnedFontTest : public ::testing::Test {
protected:
    OutlineSource source{kDejaVuSans};
};

TEST_F(PinnedFontTest, TracesGlyphsAsClosedFiguresInTextOrder) {
    const TextOutline outline = source.GetTextOutline("HO", Font("any"));
    ExpectFigures(outline);
    // H is one contour, O two; H comes first and lies left of O.
    EXPECT_EQ(Figures(outline), 3);
    const TextOutline h = source.GetTextOutline("H", Font("any"));
    ASSERT_LT(h.size(), outline.size());
    EXPECT_TRUE(std::equal(h.begin(), h.end(), outline.begin()));
    EXPECT_LT(BoundsOf(h).maxX, BoundsOf({outline.begin() + h.size(), outline.end()}).minX);
}

TEST_F(PinnedFontTest, PlacesTheTextInTheCellFromTheTopLeftCorner) {
    // At an em height of 48 px the baseline of DejaVu Sans lies 45 px down, and a capital
    // stands about 35 px above it.
    const Bounds h = BoundsOf(source.GetTextOutline("H", Font("any")));
    EXPECT_EQ(h.maxY, 45);
    EXPECT_NEAR(h.minY, 10, 1);
    EXPECT_GT(h.minX, 0);
    const Bounds p = BoundsOf(source.GetTextOutline("p", Font("any")));
    EXPECT_GT(p.maxY, 45);  // the descender reaches below the baseline
}

TEST_F(PinnedFontTest, AdvancesByWholePixelsWithoutKerning) {
    const TextOutline one = source.GetTextOutline("A", Font("any"));
    const TextOutline two = source.GetTextOutline("AV", Font("any"));
    const TextOutline v = source.GetTextOutline("V", Font("any"));
    ASSERT_EQ(two.size(), one.size() + v.size());
    // V follows A by A's advance (0.684 em, 33 px at 48 px), whatever the pair.
    const int shift = two[one.size()].x - v.front().x;
    EXPECT_EQ(shift, 33);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(two[one.size() + i].x, v[i].x + shift);
        EXPECT_EQ(two[one.size() + i].y, v[i].y);
    }
}

TEST_F(PinnedFontTest, AGlyphOverhangingItsCellGivesNegativeX) {
    EXPECT_LT(BoundsOf(source.GetTextOutline("J", Font("any"))).minX, 0);
}

TEST_F(PinnedFontTest, TheSameTextGivesTheSameOutlineEveryTime) {
    const TextOutline first = source.GetTextOutline("Scrivafresa 1234", Font("any"));
    EXPECT_EQ(source.GetTextOutline("Scrivafresa 1234", Font("any")), first);
    OutlineSource another{kDejaVuSans};
    EXPECT_EQ(another.GetTextOutline("Scrivafresa 1234", Font("any")), first);
}

TEST_F(PinnedFontTest, NothingToTraceGivesAnEmptyOutline) {
    EXPECT_TRUE(source.GetTextOutline("", Font("any")).empty());
    EXPECT_TRUE(source.GetTextOutline("   ", Font("any")).empty());
    const EngravingProgram program = RunGeneration(source, "", Font("any"), 100, "2", "-1");
    EXPECT_EQ(program.text, "");
    EXPECT_EQ(program.extents, "-x=0 -y=0 x=0 y=0");
}

TEST_F(PinnedFontTest, APositiveHeightIsTheHeightOfTheWholeCell) {
    // DejaVu Sans: ascent 1901 + descent 483 font units for an em of 2048, so a cell of 56 px
    // holds an em of 48 px.
    EXPECT_EQ(source.GetTextOutline("Hg", Font("any", 56)),
              source.GetTextOutline("Hg", Font("any", -48)));
    const Bounds big = BoundsOf(source.GetTextOutline("H", Font("any", -96)));
    const Bounds small = BoundsOf(source.GetTextOutline("H", Font("any", -48)));
    EXPECT_NEAR(big.maxX - big.minX, 2 * (small.maxX - small.minX), 2);
}

TEST_F(PinnedFontTest, StylesChangeTheOutline) {
    const TextOutline regular = source.GetTextOutline("Hi", Font("any"));
    EngravingFont bold = Font("any"), italic = Font("any"), lines = Font("any");
    bold.Style.bold = true;
    italic.Style.italic = true;
    lines.Style.underline = true;
    lines.Style.strikeOut = true;

    const TextOutline emboldened = source.GetTextOutline("Hi", bold);
    ExpectFigures(emboldened);
    EXPECT_GT(BoundsOf(emboldened).maxX, BoundsOf(regular).maxX);

    const TextOutline slanted = source.GetTextOutline("Hi", italic);
    ExpectFigures(slanted);
    EXPECT_EQ(Figures(slanted), Figures(regular));
    EXPECT_NE(slanted, regular);
    // Slanted to the right by a fifth: the H's first point, 35 px above the baseline, moves
    // 7 px to the right.
    EXPECT_NEAR(slanted.front().x - regular.front().x, 7, 1);

    // Underline and strike-out add one rectangle each, after the glyphs, across the advance.
    const TextOutline crossed = source.GetTextOutline("Hi", lines);
    ExpectFigures(crossed);
    ASSERT_EQ(crossed.size(), regular.size() + 8);
    EXPECT_TRUE(std::equal(regular.begin(), regular.end(), crossed.begin()));
    const TextOutline underline(crossed.end() - 8, crossed.end() - 4);
    const TextOutline strikeOut(crossed.end() - 4, crossed.end());
    EXPECT_EQ(underline[0].x, 0);
    EXPECT_EQ(underline[1].x, underline[2].x);
    EXPECT_GT(underline[0].y, 45);  // below the baseline
    EXPECT_LT(strikeOut[0].y, 45);  // through the letters
    EXPECT_GT(strikeOut[0].y, BoundsOf(regular).minY);
}

TEST_F(PinnedFontTest, LongTextIsTracedWhole) {
    const std::string text(255, 'W');
    const TextOutline outline = source.GetTextOutline(text, Font("any"));
    EXPECT_EQ(Figures(outline), 255);
    EXPECT_GT(BoundsOf(outline).maxX, 254 * 40);
}

TEST_F(PinnedFontTest, MalformedUtf8AndMissingCharactersStillTrace) {
    // A stray byte stands for a replacement character; a character the file lacks draws the
    // file's missing-glyph box. Neither may stop the rest of the text.
    const TextOutline outline = source.GetTextOutline("A\xFF\xC3" "B\xF0\x9F\x98", Font("any"));
    ExpectFigures(outline);
    EXPECT_GE(Figures(outline), 4);
}

TEST(FontFileTest, AFileThatIsNoFontGivesNothingAndSaysWhy) {
    OutlineSource missing{"/nonexistent/font.ttf"};
    EXPECT_TRUE(missing.GetTextOutline("A", Font("any")).empty());
    EXPECT_FALSE(missing.Resolve(Font("any")).usable);
    EXPECT_THAT(missing.Resolve(Font("any")).problem, ::testing::HasSubstr("/nonexistent/font.ttf"));

    OutlineSource notAFont{"/etc/hostname"};
    EXPECT_TRUE(notAFont.GetTextOutline("A", Font("any")).empty());
    EXPECT_FALSE(notAFont.Resolve(Font("any")).problem.empty());
}

class InstalledFontsTest : public ::testing::Test {
protected:
    OutlineSource source;
};

TEST_F(InstalledFontsTest, VerdanaResolvesToDejaVuSansWhereItIsMissing) {
    const ResolvedFace face = source.Resolve(Font("Verdana"));
    ASSERT_TRUE(face.usable) << face.problem;
    EXPECT_EQ(face.family, "DejaVu Sans");
    OutlineSource pinned{kDejaVuSans};
    EXPECT_EQ(source.GetTextOutline("Verdana", Font("Verdana", -48)),
              pinned.GetTextOutline("Verdana", Font("any", -48)));
}

TEST_F(InstalledFontsTest, TheCharacterSetNeverOverridesTheFamily) {
    EngravingFont font = Font("DejaVu Sans");
    font.Charset = kGb2312Charset;
    EXPECT_EQ(source.Resolve(font).family, "DejaVu Sans");
}

TEST_F(InstalledFontsTest, BoldAndItalicPickOrFakeTheStyle) {
    EngravingFont bold = Font("DejaVu Sans"), italic = Font("DejaVu Sans");
    bold.Style.bold = true;
    italic.Style.italic = true;
    const TextOutline regular = source.GetTextOutline("Hi", Font("DejaVu Sans"));
    EXPECT_NE(source.GetTextOutline("Hi", bold), regular);
    EXPECT_NE(source.GetTextOutline("Hi", italic), regular);
    EXPECT_EQ(source.Resolve(bold).family, "DejaVu Sans");
}

TEST_F(InstalledFontsTest, ACjkCharacterComesFromACjkFaceInALatinFont) {
    EngravingFont verdana = Font("Verdana");
    verdana.Charset = kGb2312Charset;
    const TextOutline borrowed = source.GetTextOutline("雕", verdana);
    ExpectFigures(borrowed);
    const TextOutline own = source.GetTextOutline("雕", Font("AR PL UMing CN"));
    ASSERT_EQ(borrowed.size(), own.size());
    // Same figures from the same face, set on the Latin font's baseline instead.
    const int dy = borrowed.front().y - own.front().y;
    for (std::size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(borrowed[i].x, own[i].x);
        EXPECT_EQ(borrowed[i].y, own[i].y + dy);
        EXPECT_EQ(borrowed[i].type, own[i].type);
    }
    // Latin letters around it still come from the Latin face.
    OutlineSource pinned{kDejaVuSans};
    const TextOutline mixed = source.GetTextOutline("A雕", verdana);
    const TextOutline a = pinned.GetTextOutline("A", Font("any"));
    EXPECT_TRUE(std::equal(a.begin(), a.end(), mixed.begin()));
}

TEST_F(InstalledFontsTest, FixedPitchAsksForAMonospacedFace) {
    EngravingFont font = Font("");
    font.Pitch = FontPitch::Fixed;
    const ResolvedFace face = source.Resolve(font);
    ASSERT_TRUE(face.usable);
    EXPECT_THAT(face.family, ::testing::HasSubstr("Mono"));
}

}  // namespace
}  // namespace scrivafresa
