// The command line end to end: the programs it writes, byte for byte, and its options.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_process.h"

namespace scrivafresa::testing {
namespace {

const std::filesystem::path kGolden = SCRIVAFRESA_GOLDEN_DIR;

// Set SCRIVAFRESA_UPDATE_GOLDEN=1 to rewrite the golden files from the current build; review
// the difference before committing it.
bool UpdatingGolden() {
    return std::getenv("SCRIVAFRESA_UPDATE_GOLDEN") != nullptr;
}

void ExpectGolden(const std::string& file, const std::string& actual) {
    if (UpdatingGolden()) WriteFile(kGolden / file, actual);
    const std::string expected = ReadFile(kGolden / file);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << file;
    EXPECT_TRUE(actual == expected) << file << " differs from what the command line wrote";
}

struct GoldenCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string extents;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldenProgram : public CommandLineTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenProgram, WritesTheSameBytesToStandardOutputAndToAFile) {
    std::vector<std::string> arguments{"--font-file", kDejaVuSans};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());

    const ProcessResult shown = Run(arguments);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.err, GetParam().extents + "\n");
    ExpectGolden(GetParam().name + ".gc", shown.out);

    arguments.insert(arguments.end(), {"-o", "saved.gc"});
    const ProcessResult saved = Run(arguments);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(saved.err, GetParam().extents + "\n");
    EXPECT_TRUE(ReadFile(folder_ / "saved.gc") == shown.out);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, GoldenProgram,
    ::testing::Values(
        GoldenCase{"word_at_defaults", {"Scrivafresa"}, "-x=0 -y=0 x=263 y=46"},
        GoldenCase{"styled_large_scale",
                   {"--bold", "--italic", "--underline", "--height", "40", "--scale", "250",
                    "--travel", "5", "--depth", "-2", "Aj"},
                   "-x=0 -y=0 x=95 y=97"},
        // "j" reaches left of its cell: negative X and "-x=", at a scale that leaves hundredths.
        GoldenCase{"overhang_left",
                   {"--height", "-100", "--scale", "60", "--strikeout", "--travel", "10", "j;"},
                   "-x=-1 -y=0 x=37 y=68"},
        // Header, feeds restated after each slower plunge, lift out of the work, end.
        GoldenCase{"controller_ready",
                   {"--feed", "300", "--plunge-feed", "100.5", "--units", "inch", "--spindle",
                    "10000", "Hi"},
                   "-x=0 -y=0 x=45 y=45"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CommandLineTest, DrawsTheToolpathAsAnSvgPicture) {
    const ProcessResult r =
        Run({"--font-file", kDejaVuSans, "-o", "hi.gc", "--svg", "hi.svg", "Hi"});
    ASSERT_EQ(r.status, 0) << r.err;
    ExpectGolden("hi.svg", ReadFile(folder_ / "hi.svg"));
}

TEST_F(CommandLineTest, EmptyTextGivesAnEmptyProgram) {
    const ProcessResult shown = Run({"--font-file", kDejaVuSans, ""});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "");
    EXPECT_EQ(shown.err, "-x=0 -y=0 x=0 y=0\n");

    WriteFile(folder_ / "old.gc", "G0 Z2\r\n");
    const ProcessResult saved = Run({"--font-file", kDejaVuSans, "-o", "old.gc", ""});
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(ReadFile(folder_ / "old.gc"), "");
}

// The window's default font is 36 points, an em height of 48 pixels.
TEST_F(CommandLineTest, SizeAndHeightSpellTheSameFont) {
    const std::string text = "Hg";
    const ProcessResult reference = Run({"--font-file", kDejaVuSans, text});
    ASSERT_EQ(reference.status, 0);
    for (const std::vector<std::string>& spelling : {std::vector<std::string>{"--size", "36"},
                                                     {"--height", "-48"},
                                                     {"--height=-48"},
                                                     {"--size", "10", "--height", "-48"},
                                                     {"--height", "-48", "--size", "10"}}) {
        std::vector<std::string> arguments{"--font-file", kDejaVuSans};
        arguments.insert(arguments.end(), spelling.begin(), spelling.end());
        arguments.push_back(text);
        const ProcessResult r = Run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out == reference.out) << ::testing::PrintToString(spelling);
    }
    // A positive height is a cell height, so the same number gives a smaller em.
    const ProcessResult cell = Run({"--font-file", kDejaVuSans, "--height", "48", text});
    EXPECT_NE(cell.out, reference.out);
    EXPECT_NE(cell.err, reference.err);
}

TEST_F(CommandLineTest, TakesTextsOfUpTo255Characters) {
    std::string chinese;
    for (int i = 0; i < 255; ++i) chinese += "雕";
    for (const std::string& text : {std::string(255, 'a'), chinese}) {
        const ProcessResult r = Run({"--font-file", kDejaVuSans, "-o", "long.gc", text});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_FALSE(ReadFile(folder_ / "long.gc").empty());
    }
}

TEST_F(CommandLineTest, TextMayStartWithAMinusAfterDoubleDash) {
    const ProcessResult minusOne = Run({"--font-file", kDejaVuSans, "--", "-1"});
    EXPECT_EQ(minusOne.status, 0) << minusOne.err;
    EXPECT_NE(minusOne.out, "");
    const ProcessResult dash = Run({"--font-file", kDejaVuSans, "-"});
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_NE(dash.out, "");
}

// fonts-dejavu-core is installed by the set-up script, so matching the family by name finds
// the very file the golden programs use.
TEST_F(CommandLineTest, MatchesAFontByName) {
    const ProcessResult byFile = Run({"--font-file", kDejaVuSans, "Hi"});
    const ProcessResult byName = Run({"--font", "DejaVu Sans", "Hi"});
    ASSERT_EQ(byName.status, 0) << byName.err;
    EXPECT_TRUE(byName.out == byFile.out);
    EXPECT_EQ(byName.err, byFile.err);
}

TEST_F(CommandLineTest, ShowsUsageAndVersion) {
    for (const char* help : {"--help", "-h"}) {
        const ProcessResult r = Run({"--travel", "1", help, "--bogus"});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.starts_with("Usage: scrivafresa-cli [options] TEXT\n")) << r.out;
        EXPECT_EQ(r.err, "");
    }
    const ProcessResult version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "scrivafresa-cli " SCRIVAFRESA_VERSION "\n");
}

}  // namespace
}  // namespace scrivafresa::testing
