#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <locale>
#include <string>

#include "engraving_font.h"
#include "program_text.h"

namespace scrivafresa {
namespace {

std::string Hundredths(std::int64_t value) {
    char buffer[32];
    return std::string(buffer, WriteHundredths(buffer, value));
}

struct FormCase {
    std::int64_t hundredths;
    const char* text;
};

class NumberFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(NumberFormTest, WritesTwoDecimalsWithTheSignBeforeTheMagnitude) {
    EXPECT_EQ(Hundredths(GetParam().hundredths), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormTest,
    ::testing::Values(FormCase{0, "0.00"}, FormCase{5, "0.05"}, FormCase{100, "1.00"},
                      FormCase{1234, "12.34"}, FormCase{-5, "-0.05"}, FormCase{-50, "-0.50"},
                      FormCase{-150, "-1.50"}, FormCase{2499500, "24995.00"},
                      FormCase{2147483647, "21474836.47"}, FormCase{-2147483648LL, "-21474836.48"},
                      FormCase{INT64_MIN, "-92233720368547758.08"}));

std::string Thousandths(std::int64_t value) {
    char buffer[32];
    return std::string(buffer, WriteThousandths(buffer, value));
}

TEST(RateFormTest, WritesOnlyTheDecimalsARateNeeds) {
    EXPECT_EQ(Thousandths(300000), "300");
    EXPECT_EQ(Thousandths(12500), "12.5");
    EXPECT_EQ(Thousandths(12050), "12.05");
    EXPECT_EQ(Thousandths(1), "0.001");
    EXPECT_EQ(Thousandths(1000000000), "1000000");
}

TEST(ProgramTextTest, WritesTheFourLineFormsEachEndingInCrLf) {
    ProgramText program;
    EXPECT_EQ(program.Lift(2), 0u);
    EXPECT_EQ(program.Rapid(1000, -50), 1u);
    EXPECT_EQ(program.Plunge(-1), 2u);
    EXPECT_EQ(program.Cut(-150, 0), 3u);
    EXPECT_EQ(program.Lift(-2147483647 - 1), 4u);
    EXPECT_EQ(program.Text(),
              "G0 Z2\r\nG0 X10.00 Y-0.50 \r\nG1 Z-1\r\nG1 X-1.50 Y0.00 \r\nG0 Z-2147483648\r\n");
    EXPECT_EQ(program.LineCount(), 5u);
}

TEST(ProgramTextTest, SplitsIntoLinesWithoutTheirBreaks) {
    EXPECT_TRUE(ProgramLines("").empty());
    EXPECT_EQ(ProgramLines("G0 Z2\r\nG1 Z-1\r\n"), (std::vector<std::string_view>{"G0 Z2", "G1 Z-1"}));
    EXPECT_EQ(ProgramLines("a\r\nb"), (std::vector<std::string_view>{"a", "b"}));
}

TEST(FontHeightTest, PointsBecomeANegativeEmHeightRoundedToTheNearestPixel) {
    EXPECT_EQ(HeightFromPoints(36, 96), -48);
    EXPECT_EQ(HeightFromPoints(36, 120), -60);
    EXPECT_EQ(HeightFromPoints(10, 96), -13);  // 13.33
    EXPECT_EQ(HeightFromPoints(9, 96), -12);
    EXPECT_EQ(HeightFromPoints(11, 100), -15);  // 15.28
    EXPECT_EQ(HeightFromPoints(3, 12), -1);     // 0.5 rounds away from zero
}

}  // namespace
}  // namespace scrivafresa
