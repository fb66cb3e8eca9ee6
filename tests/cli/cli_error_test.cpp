// The command line refuses what it cannot do in one line on standard error, writes nothing
// then, and never leaves a partial or damaged output file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace scrivafresa::testing {
namespace {

struct RefusalCase {
    std::string name;
    std::vector<std::string> arguments;  // run with the pinned font file and "-o out.gc"
    int status;
    std::string message;  // part of the one line on standard error
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusal : public CommandLineTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, SaysWhyInOneLineAndWritesNothing) {
    WriteFile(folder_ / "not-a-font.ttf", "plain text, no glyphs here\n");
    std::vector<std::string> arguments{"--font-file", kDejaVuSans, "-o", "out.gc"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());

    const ProcessResult r = Run(arguments);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("scrivafresa-cli: ")) << r.err;
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "not one line: " << r.err;
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"not-a-font.ttf"});
}

const std::string kTooLong(256, 'a');

INSTANTIATE_TEST_SUITE_P(
    Usage, Refusal,
    ::testing::Values(
        RefusalCase{
            "travel_with_decimals", {"--travel", "2.5", "x"}, 2, "--travel needs a whole number"},
        RefusalCase{"travel_with_unit", {"--travel", "2mm", "x"}, 2, "\"2mm\""},
        RefusalCase{"travel_with_blank", {"--travel", " 2", "x"}, 2, "--travel"},
        RefusalCase{"travel_beyond_32_bits", {"--travel", "2147483648", "x"}, 2, "2147483647"},
        RefusalCase{"depth_empty", {"--depth", "", "x"}, 2, "--depth needs a whole number"},
        RefusalCase{"depth_sign_only", {"--depth=-", "x"}, 2, "--depth"},
        RefusalCase{"scale_zero", {"--scale", "0", "x"}, 2, "from 1 to 500"},
        RefusalCase{"scale_501", {"--scale", "501", "x"}, 2, "from 1 to 500"},
        RefusalCase{"scale_letters", {"--scale", "abc", "x"}, 2, "--scale"},
        RefusalCase{"size_zero", {"--size", "0", "x"}, 2, "--size"},
        RefusalCase{"height_decimals", {"--height", "-4.5", "x"}, 2, "--height"},
        RefusalCase{"unknown_option", {"--colour", "red", "x"}, 2, "unknown option --colour"},
        RefusalCase{"unknown_short_option", {"-x", "x"}, 2, "unknown option -x"},
        RefusalCase{"flag_with_value", {"--bold=yes", "x"}, 2, "--bold takes no value"},
        RefusalCase{"missing_value", {"x", "--depth"}, 2, "--depth needs a value"},
        RefusalCase{"missing_text", {"--bold"}, 2, "missing TEXT"},
        RefusalCase{"second_text", {"one", "two"}, 2, "more than one TEXT"},
        RefusalCase{"text_of_256_characters", {kTooLong}, 2, "256 characters"},
        RefusalCase{"text_not_utf8", {"caf\xE9"}, 2, "not valid UTF-8"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    ControllerUsage, Refusal,
    ::testing::Values(
        RefusalCase{"plunge_feed_without_feed",
                    {"--plunge-feed", "100", "x"},
                    2,
                    "--plunge-feed needs --feed"},
        RefusalCase{"units_without_feed", {"--units", "mm", "x"}, 2, "--units needs --feed"},
        RefusalCase{
            "spindle_without_feed", {"--spindle", "10000", "x"}, 2, "--spindle needs --feed"},
        RefusalCase{"feed_zero", {"--feed", "0", "x"}, 2, "--feed needs a positive number"},
        RefusalCase{"feed_zero_decimals", {"--feed", "0.000", "x"}, 2, "--feed"},
        RefusalCase{"feed_negative", {"--feed", "-300", "x"}, 2, "--feed"},
        RefusalCase{"feed_four_decimals", {"--feed", "12.3456", "x"}, 2, "three decimals"},
        RefusalCase{"feed_decimal_comma", {"--feed", "12,5", "x"}, 2, "\"12,5\""},
        RefusalCase{"feed_exponent", {"--feed", "1e3", "x"}, 2, "--feed"},
        RefusalCase{"feed_with_unit", {"--feed", "300mm", "x"}, 2, "--feed"},
        RefusalCase{"feed_bare_point", {"--feed", "300.", "x"}, 2, "--feed"},
        RefusalCase{"feed_beyond_a_million", {"--feed", "1000000.001", "x"}, 2, "1000000"},
        RefusalCase{"feed_missing_value", {"x", "--feed"}, 2, "--feed needs a value"},
        RefusalCase{"plunge_feed_zero",
                    {"--feed", "300", "--plunge-feed", "0", "x"},
                    2,
                    "--plunge-feed needs a positive number"},
        RefusalCase{"spindle_zero",
                    {"--feed", "300", "--spindle", "0", "x"},
                    2,
                    "--spindle needs a positive number"},
        RefusalCase{"spindle_words", {"--feed", "300", "--spindle", "fast", "x"}, 2, "--spindle"},
        RefusalCase{"units_unknown",
                    {"--feed", "300", "--units", "cm", "x"},
                    2,
                    "--units takes mm or inch"},
        RefusalCase{"units_capitals", {"--feed", "300", "--units", "MM", "x"}, 2, "--units"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Failure, Refusal,
    ::testing::Values(
        RefusalCase{"font_file_missing", {"--font-file", "missing.ttf", "x"}, 1, "missing.ttf"},
        RefusalCase{
            "font_file_not_a_font", {"--font-file", "not-a-font.ttf", "x"}, 1, "not-a-font.ttf"},
        RefusalCase{"font_file_missing_for_empty_text",
                    {"--font-file", "missing.ttf", ""},
                    1,
                    "missing.ttf"},
        RefusalCase{"output_in_missing_folder", {"-o", "missing/out.gc", "x"}, 1, "missing/out.gc"},
        RefusalCase{"output_is_a_folder", {"-o", ".", "x"}, 1, "not a regular file"},
        RefusalCase{
            "picture_in_missing_folder", {"--svg", "missing/out.svg", "x"}, 1, "missing/out.svg"}),
    [](const auto& info) { return info.param.name; });

// fontconfig without any font directory: no family can match.
TEST_F(CommandLineTest, RefusesAFontNameThatMatchesNothing) {
    WriteFile(folder_ / "fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    ProcessOptions options;
    options.environment["FONTCONFIG_FILE"] = (folder_ / "fonts.conf").string();
    const ProcessResult r = Run({"--font", "Verdana", "-o", "out.gc", "x"}, options);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "scrivafresa-cli: no installed font matches \"Verdana\"\n");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "out.gc"));
}

TEST_F(CommandLineTest, KeepsAnExistingFileWhenTheRunFails) {
    WriteFile(folder_ / "out.gc", "old program\r\n");
    WriteFile(folder_ / "out.svg", "old picture\n");
    // The program is complete, but the picture cannot be written: neither file is replaced.
    const ProcessResult r =
        Run({"--font-file", kDejaVuSans, "-o", "out.gc", "--svg", "missing/out.svg", "Hi"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadFile(folder_ / "out.gc"), "old program\r\n");
    EXPECT_EQ(FolderEntries(folder_), (std::vector<std::string>{"out.gc", "out.svg"}));
}

TEST_F(CommandLineTest, ReplacesAnExistingFileThroughItsLink) {
    const ProcessResult expected = Run({"--font-file", kDejaVuSans, "Hi"});
    WriteFile(folder_ / "target.gc", "old program\r\n");
    std::filesystem::permissions(folder_ / "target.gc", std::filesystem::perms(0640));
    std::filesystem::create_symlink("target.gc", folder_ / "link.gc");

    const ProcessResult r = Run({"--font-file", kDejaVuSans, "-o", "link.gc", "Hi"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.gc"));
    EXPECT_TRUE(ReadFile(folder_ / "target.gc") == expected.out);
    EXPECT_EQ(std::filesystem::status(folder_ / "target.gc").permissions(),
              std::filesystem::perms(0640));
    EXPECT_EQ(FolderEntries(folder_), (std::vector<std::string>{"link.gc", "target.gc"}));
}

TEST_F(CommandLineTest, ReportsAStandardOutputThatCannotBeWritten) {
    ProcessOptions options;
    options.standardOutput = "/dev/full";
    const ProcessResult r = Run({"--font-file", kDejaVuSans, "Hi"}, options);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "scrivafresa-cli: cannot write the program to standard output\n");
}

}  // namespace
}  // namespace scrivafresa::testing
