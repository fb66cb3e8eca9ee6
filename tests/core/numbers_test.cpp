#include "numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace scrivafresa {
namespace {

struct NumberCase {
    std::string text;
    std::int32_t expected;
};

class ReadWholeNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadWholeNumberTest, ReadsTheLeadingWholeNumber) {
    EXPECT_EQ(ReadWholeNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWholeNumberTest,
    ::testing::Values(
        NumberCase{"2", 2}, NumberCase{"-1", -1}, NumberCase{"+7", 7}, NumberCase{"", 0},
        NumberCase{"abc", 0}, NumberCase{"-", 0}, NumberCase{"+-3", 0}, NumberCase{"2mm", 2},
        NumberCase{"1.5", 1}, NumberCase{"2.9", 2}, NumberCase{" -1", -1},
        NumberCase{"\t\n\v\f\r 7x", 7}, NumberCase{"0012", 12}, NumberCase{"- 5", 0},
        // A byte of 128 or more is no blank, even where a code page calls it one.
        NumberCase{"\xA0" "5", 0}, NumberCase{"\xC2\xA0" "5", 0},
        NumberCase{"2147483647", 2147483647}, NumberCase{"-2147483648", -2147483647 - 1},
        // Beyond 32 bits the reading stays at the limit of its sign rather than wrapping.
        NumberCase{"2147483648", 2147483647}, NumberCase{"99999999999999999999", 2147483647},
        NumberCase{"4294967298", 2147483647}, NumberCase{"-2147483649", -2147483647 - 1},
        NumberCase{"-99999999999999999999mm", -2147483647 - 1}));

}  // namespace
}  // namespace scrivafresa
