#include "utf8_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace scrivafresa {
namespace {

struct CountCase {
    std::string text;
    std::optional<std::size_t> characters;
};

class CountCharactersTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountCharactersTest, CountsCharactersOrRefusesWhatIsNotUtf8) {
    EXPECT_EQ(CountCharacters(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountCharactersTest,
    ::testing::Values(CountCase{"", 0}, CountCase{"abc", 3}, CountCase{"雕刻", 2},
                      CountCase{"\xF0\x9F\x98\x80", 1},  // beyond the basic plane
                      CountCase{"\xFF", std::nullopt}, CountCase{"\xC3", std::nullopt},
                      CountCase{"\xE9\x9B", std::nullopt},         // cut short
                      CountCase{"\xC0\xAF", std::nullopt},         // overlong "/"
                      CountCase{"\xED\xA0\x80", std::nullopt},     // a surrogate
                      CountCase{"\xF4\x90\x80\x80", std::nullopt}  // beyond U+10FFFF
                      ));

TEST(DecodeCharacterTest, AMalformedByteIsSkippedAloneSoTheRestStillDecodes) {
    const std::string text = "A\xE9\x9B" "B";
    std::size_t i = 0;
    EXPECT_EQ(DecodeCharacter(text, i), U'A');
    EXPECT_EQ(DecodeCharacter(text, i), std::nullopt);
    EXPECT_EQ(i, 2u);
    EXPECT_EQ(DecodeCharacter(text, i), std::nullopt);
    EXPECT_EQ(DecodeCharacter(text, i), U'B');
    EXPECT_EQ(i, text.size());
}

}  // namespace
}  // namespace scrivafresa
