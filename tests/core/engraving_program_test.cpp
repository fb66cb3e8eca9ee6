#include "engraving_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decimal_comma_locale.h"
#include "engraving_font.h"

namespace scrivafresa {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr std::uint8_t kClose = PT_LINETO | PT_CLOSEFIGURE;

std::vector<std::string> LinesOf(const EngravingProgram& program) {
    std::vector<std::string> lines;
    for (std::string_view line : program.Lines()) lines.emplace_back(line);
    return lines;
}

EngravingProgram Generate(const TextOutline& outline, int scale = 100, int travel = 2,
                          int depth = -1) {
    return GenerateProgram(outline, ProgramSettings{scale, travel, depth});
}

const TextOutline kSquare = {
    {10, 20, PT_MOVETO}, {30, 20, PT_LINETO}, {30, 40, PT_LINETO}, {10, 40, kClose}};

TEST(EngravingProgramTest, TracesASquareAndClosesItBackToItsFirstPoint) {
    const EngravingProgram program = Generate(kSquare);
    EXPECT_THAT(LinesOf(program),
                ElementsAre("G0 Z2", "G0 X10.00 Y20.00 ", "G1 Z-1", "G1 X30.00 Y20.00 ",
                            "G1 X30.00 Y0.00 ", "G1 X10.00 Y0.00 ", "G1 X10.00 Y20.00 "));
    EXPECT_EQ(program.text,
              "G0 Z2\r\nG0 X10.00 Y20.00 \r\nG1 Z-1\r\nG1 X30.00 Y20.00 \r\nG1 X30.00 Y0.00 \r\n"
              "G1 X10.00 Y0.00 \r\nG1 X10.00 Y20.00 \r\n");
    EXPECT_EQ(program.lineCount, 7u);
    EXPECT_EQ(program.extents, "-x=0 -y=0 x=30 y=40");
    EXPECT_EQ(program.box, (ExtentsBox{0, 0, 3000, 4000}));
}

TEST(EngravingProgramTest, StrokesFollowTheProgramLinesInPreviewPixelsAndProgramUnits) {
    const EngravingProgram program = Generate(kSquare, 150);
    // Preview points are the scaled pixels / 100, truncated and not flipped.
    EXPECT_THAT(program.strokes,
                ElementsAre(PreviewStroke{15, 30, kColorBlue, StrokeKind::Travel, 1, 1500, 3000},
                            PreviewStroke{45, 30, kColorRed, StrokeKind::Cut, 3, 4500, 3000},
                            PreviewStroke{45, 60, kColorRed, StrokeKind::Cut, 4, 4500, 0},
                            PreviewStroke{15, 60, kColorRed, StrokeKind::Cut, 5, 1500, 0},
                            PreviewStroke{15, 30, kColorRed, StrokeKind::Cut, 6, 1500, 3000}));
}

TEST(EngravingProgramTest, AnEmptyOutlineWritesNothing) {
    const EngravingProgram program = Generate({});
    EXPECT_EQ(program.text, "");
    EXPECT_EQ(program.lineCount, 0u);
    EXPECT_TRUE(program.strokes.empty());
    EXPECT_EQ(program.extents, "-x=0 -y=0 x=0 y=0");
}

TEST(EngravingProgramTest, PointsAtTheLimitAreSkippedAndJustBelowItWritten) {
    const TextOutline outline = {{4999, 10, PT_MOVETO}, {5000, 10, PT_LINETO},
                                 {10, 5000, PT_LINETO}, {4999, 4999, PT_LINETO},
                                 {10, 10, kClose}};
    const EngravingProgram program = Generate(outline);
    EXPECT_THAT(LinesOf(program),
                ElementsAre("G0 Z2", "G0 X4999.00 Y4989.00 ", "G1 Z-1", "G1 X4999.00 Y0.00 ",
                            "G1 X10.00 Y4989.00 ", "G1 X4999.00 Y4989.00 "));
    EXPECT_EQ(program.extents, "-x=0 -y=0 x=4999 y=4999");
    EXPECT_EQ(program.strokes.size(), 4u);
}

TEST(EngravingProgramTest, AFigureWhoseStartIsSkippedIsNotClosedToIt) {
    const TextOutline outline = {
        {6000, 10, PT_MOVETO}, {20, 10, PT_LINETO}, {20, 30, kClose}};
    EXPECT_THAT(LinesOf(Generate(outline)),
                ElementsAre("G1 X20.00 Y20.00 ", "G1 X20.00 Y0.00 "));
    // Before any contour start the preview pen is still the clearing's black.
    EXPECT_EQ(Generate(outline).strokes.front().color, kColorBlack);
}

TEST(EngravingProgramTest, ClosingPointsOnTheAxesAreWrittenAndPointsAtTheOriginToo) {
    const TextOutline outline = {{0, 0, PT_MOVETO},   {20, 0, PT_LINETO}, {20, 10, kClose},
                                 {5, 5, PT_MOVETO},   {9, 5, PT_LINETO},  {0, 9, kClose},
                                 {12, 3, PT_MOVETO},  {14, 3, PT_LINETO}, {14, 0, kClose}};
    EXPECT_THAT(LinesOf(Generate(outline)),
                ElementsAre("G0 Z2", "G0 X0.00 Y10.00 ", "G1 Z-1", "G1 X20.00 Y10.00 ",
                            "G1 X20.00 Y0.00 ", "G1 X0.00 Y10.00 ",  //
                            "G0 Z2", "G0 X5.00 Y5.00 ", "G1 Z-1", "G1 X9.00 Y5.00 ",
                            "G1 X0.00 Y1.00 ", "G1 X5.00 Y5.00 ",  //
                            "G0 Z2", "G0 X12.00 Y7.00 ", "G1 Z-1", "G1 X14.00 Y7.00 ",
                            "G1 X14.00 Y10.00 ", "G1 X12.00 Y7.00 "));
}

TEST(EngravingProgramTest, AFigureEndingOnItsStartIsNotClosedTwice) {
    const TextOutline outline = {{1, 1, PT_MOVETO}, {3, 1, PT_LINETO}, {1, 1, kClose}};
    EXPECT_THAT(LinesOf(Generate(outline)),
                ElementsAre("G0 Z2", "G0 X1.00 Y0.00 ", "G1 Z-1", "G1 X3.00 Y0.00 ",
                            "G1 X1.00 Y0.00 "));
}

TEST(EngravingProgramTest, AGlyphLeftOfTheCellGivesNegativeXAndANegativeLeftExtent) {
    const TextOutline outline = {
        {-1, 3, PT_MOVETO}, {4, 3, PT_LINETO}, {4, -2, PT_LINETO}, {-1, 15, kClose}};
    const EngravingProgram program = Generate(outline, 50);
    EXPECT_THAT(LinesOf(program),
                ElementsAre("G0 Z2", "G0 X-0.50 Y6.00 ", "G1 Z-1", "G1 X2.00 Y6.00 ",
                            "G1 X2.00 Y8.50 ", "G1 X-0.50 Y0.00 ", "G1 X-0.50 Y6.00 "));
    EXPECT_EQ(program.box, (ExtentsBox{-50, -100, 200, 750}));
    EXPECT_EQ(program.extents, "-x=0 -y=-1 x=2 y=7");
    EXPECT_EQ(Generate(outline, 200).extents, "-x=-2 -y=-4 x=8 y=30");
    // The preview truncates toward zero, like the program's integer part.
    EXPECT_EQ(program.strokes.front(), (PreviewStroke{0, 1, kColorBlue, StrokeKind::Travel, 1, -50, 600}));
}

TEST(EngravingProgramTest, ScaleEndsAndHeightsAsTyped) {
    const TextOutline outline = {{5, 4999, PT_MOVETO}, {4999, 1, kClose}};
    EXPECT_THAT(LinesOf(Generate(outline, 1, 0, 0)),
                ElementsAre("G0 Z0", "G0 X0.05 Y0.00 ", "G1 Z0", "G1 X49.99 Y49.98 ",
                            "G1 X0.05 Y0.00 "));
    EXPECT_THAT(LinesOf(Generate(outline, 500, 2147483647, -2147483647 - 1)),
                ElementsAre("G0 Z2147483647", "G0 X25.00 Y0.00 ", "G1 Z-2147483648",
                            "G1 X24995.00 Y24990.00 ", "G1 X25.00 Y0.00 "));
}

TEST(EngravingProgramTest, EveryFigureStartsWithALiftAndTheRunIsRepeatable) {
    const TextOutline outline = {{1, 1, PT_MOVETO}, {2, 1, PT_LINETO}, {2, 2, kClose},
                                 {5, 5, PT_MOVETO}, {6, 5, PT_LINETO}, {6, 6, kClose}};
    const EngravingProgram first = Generate(outline);
    const EngravingProgram second = Generate(outline);
    EXPECT_EQ(first.text, second.text);
    EXPECT_EQ(first.strokes, second.strokes);
    std::vector<PreviewStroke> travels;
    for (const PreviewStroke& s : first.strokes)
        if (s.kind == StrokeKind::Travel) travels.push_back(s);
    EXPECT_THAT(travels, ElementsAre(PreviewStroke{1, 1, kColorBlue, StrokeKind::Travel, 1, 100, 500},
                                     PreviewStroke{5, 5, kColorBlue, StrokeKind::Travel, 7, 500, 100}));
    EXPECT_EQ(first.Lines()[7], "G0 X5.00 Y1.00 ");
}

TEST(ControllerProgramTest, AddsHeaderFeedsAndEndAroundTheSameMoves) {
    ControllerWords words;
    words.feed = 300000;
    words.plungeFeed = 100500;
    words.spindleSpeed = 10000000;
    const EngravingProgram program = GenerateProgram(kSquare, ProgramSettings{}, words);
    EXPECT_THAT(LinesOf(program),
                ElementsAre("G90", "G94", "G21", "M3 S10000", "G0 Z2", "G0 X10.00 Y20.00 ",
                            "G1 Z-1 F100.5", "G1 X30.00 Y20.00 F300", "G1 X30.00 Y0.00 ",
                            "G1 X10.00 Y0.00 ", "G1 X10.00 Y20.00 ", "G0 Z2", "M5", "M2"));
    // The strokes still point at the moves they draw.
    EXPECT_EQ(program.strokes.front().line, 5u);
    EXPECT_EQ(program.strokes.back().line, 10u);
    EXPECT_EQ(program.extents, Generate(kSquare).extents);

    words = ControllerWords{};
    words.feed = 250000;
    words.units = ProgramUnits::Inches;
    const TextOutline twoFigures = {{1, 1, PT_MOVETO}, {2, 1, kClose},
                                    {5, 5, PT_MOVETO}, {6, 5, kClose}};
    EXPECT_THAT(LinesOf(GenerateProgram(twoFigures, ProgramSettings{}, words)),
                ElementsAre("G90", "G94", "G20", "G0 Z2", "G0 X1.00 Y4.00 ", "G1 Z-1 F250",
                            "G1 X2.00 Y4.00 ", "G1 X1.00 Y4.00 ", "G0 Z2", "G0 X5.00 Y0.00 ",
                            "G1 Z-1", "G1 X6.00 Y0.00 ", "G1 X5.00 Y0.00 ", "G0 Z2", "M2"));
}

TEST(EngravingProgramTest, ALocaleWithADecimalCommaChangesNoByte) {
    const std::string expected = Generate(kSquare).text;
    testing::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.active()) << "no locale with a decimal comma could be made";
    const EngravingProgram program = Generate(kSquare, 33);
    EXPECT_EQ(Generate(kSquare).text, expected);
    EXPECT_EQ(program.Lines()[1], "G0 X3.30 Y6.60 ");
    EXPECT_EQ(program.extents, "-x=0 -y=0 x=9 y=13");
}

}  // namespace
}  // namespace scrivafresa
