// Programs made ready for a controller are run through LinuxCNC's standalone interpreter:
// it must accept them, and cut exactly where the bare program cuts, at the asked feeds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_process.h"

namespace scrivafresa::testing {
namespace {

// A straight move at feed, in program units.
struct FeedMove {
    double x = 0, y = 0, z = 0;
    double feed = 0;
};

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

double Number(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The value of a word ("X", "Z") in a program line, if the line has that word.
std::optional<double> WordValue(std::string_view line, char word) {
    for (std::size_t start = 0; start < line.size();) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos) end = line.size();
        if (end > start && line[start] == word)
            return Number(line.substr(start + 1, end - start - 1));
        start = end + 1;
    }
    return std::nullopt;
}

// The plunges and cuts of a bare program, where a machine following it would feed.
std::vector<FeedMove> CuttingMovesOf(std::string_view program, double plungeFeed, double cutFeed) {
    std::vector<FeedMove> moves;
    FeedMove at;
    for (std::string_view line : Lines(program)) {
        const auto x = WordValue(line, 'X'), y = WordValue(line, 'Y'), z = WordValue(line, 'Z');
        if (x) at.x = *x;
        if (y) at.y = *y;
        if (z) at.z = *z;
        if (line.starts_with("G1 ")) {
            at.feed = z ? plungeFeed : cutFeed;
            moves.push_back(at);
        }
    }
    return moves;
}

// The arguments of a canonical call such as "STRAIGHT_FEED(1.0000, 2.0000, ...)".
std::vector<double> Arguments(std::string_view line) {
    std::vector<double> values;
    std::size_t i = line.find('(');
    while (i != std::string_view::npos && i + 1 < line.size()) {
        const std::size_t next = line.find_first_of(",)", i + 1);
        std::string_view value = line.substr(i + 1, next - i - 1);
        while (value.starts_with(' ')) value.remove_prefix(1);
        values.push_back(Number(value));
        i = next != std::string_view::npos && line[next] == ',' ? next : std::string_view::npos;
    }
    return values;
}

// The feed moves in the interpreter's canonical output, each with the feed rate in force.
std::vector<FeedMove> FeedMovesOf(std::string_view canonical) {
    std::vector<FeedMove> moves;
    double feed = 0;
    for (std::string_view line : Lines(canonical)) {
        if (line.find("SET_FEED_RATE(") != std::string_view::npos) {
            feed = Arguments(line).at(0);
        } else if (line.find("STRAIGHT_FEED(") != std::string_view::npos) {
            const std::vector<double> v = Arguments(line);
            moves.push_back({v.at(0), v.at(1), v.at(2), feed});
        }
    }
    return moves;
}

std::string FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

class Interpreter : public CommandLineTest {
  protected:
    void SetUp() override {
        CommandLineTest::SetUp();
        rs274_ = FindOnPath("rs274");
        if (!rs274_.empty()) return;
        // The set-up script installs it, so a missing interpreter is a broken machine; a
        // developer without LinuxCNC may skip these tests on purpose.
        if (std::getenv("SCRIVAFRESA_ALLOW_MISSING_RS274"))
            GTEST_SKIP() << "rs274 not found; skipped as SCRIVAFRESA_ALLOW_MISSING_RS274 asks";
        FAIL() << "rs274 not found on PATH: install linuxcnc-uspace (scripts/setup-debian does), "
                  "or set SCRIVAFRESA_ALLOW_MISSING_RS274=1 to skip these tests";
    }

    // Runs the interpreter in batch mode on a program and returns its canonical moves.
    ProcessResult Interpret(const std::string& program) const {
        WriteFile(folder_ / "program.ngc", program);
        ProcessOptions options;
        options.folder = folder_;
        ProcessResult r = RunProcess(rs274_, {"-g", "program.ngc", "canonical.txt"}, options);
        r.out = ReadFile(folder_ / "canonical.txt");
        return r;
    }

    std::string rs274_;
};

const std::vector<std::string> kEngraving = {"--font-file", kDejaVuSans, "--underline",
                                             "--svg",       "path.svg",  "Hé8"};

// The test's own check: the interpreter does refuse a program without a feed rate.
TEST_F(Interpreter, RefusesTheBareProgram) {
    const ProcessResult bare = Run(kEngraving);
    ASSERT_EQ(bare.status, 0) << bare.err;
    EXPECT_NE(Interpret(bare.out).status, 0);
}

struct ControllerCase {
    std::string name;
    std::vector<std::string> options;
    double plungeFeed, cutFeed;
    std::string units;  // the interpreter's name for the unit word
    double spindle;     // 0: the spindle must not start
};

void PrintTo(const ControllerCase& c, std::ostream* os) {
    *os << c.name;
}

class ControllerReady : public Interpreter, public ::testing::WithParamInterface<ControllerCase> {};

TEST_P(ControllerReady, RunsInTheInterpreterWithTheBareProgramsCuts) {
    const ControllerCase& c = GetParam();
    const ProcessResult bare = Run(kEngraving);
    ASSERT_EQ(bare.status, 0) << bare.err;
    const std::string barePicture = ReadFile(folder_ / "path.svg");

    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(), kEngraving.begin(), kEngraving.end());
    const ProcessResult ready = Run(arguments);
    ASSERT_EQ(ready.status, 0) << ready.err;
    EXPECT_EQ(ready.err, bare.err) << "the extents text changed";
    EXPECT_TRUE(ReadFile(folder_ / "path.svg") == barePicture) << "the picture changed";

    const ProcessResult interpreted = Interpret(ready.out);
    ASSERT_EQ(interpreted.status, 0) << interpreted.err;
    const std::vector<FeedMove> expected = CuttingMovesOf(bare.out, c.plungeFeed, c.cutFeed);
    const std::vector<FeedMove> actual = FeedMovesOf(interpreted.out);
    ASSERT_GT(expected.size(), 20u);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("feed move " + std::to_string(i));
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9);
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9);
        EXPECT_NEAR(actual[i].z, expected[i].z, 1e-9);
        EXPECT_EQ(actual[i].feed, expected[i].feed);
    }

    const std::string& canonical = interpreted.out;
    // After the interpreter's own start-up, the program states its unit before any move.
    const std::size_t reset = canonical.find("ON_RESET()");
    const std::size_t unit = canonical.find("USE_LENGTH_UNITS(" + c.units + ")", reset);
    EXPECT_LT(unit, canonical.find("STRAIGHT_TRAVERSE(")) << c.units;
    EXPECT_NE(canonical.find("PROGRAM_END()"), std::string::npos);
    const bool started = canonical.find("START_SPINDLE_CLOCKWISE") != std::string::npos;
    EXPECT_EQ(started, c.spindle > 0);
    if (c.spindle > 0) {
        std::ostringstream speed;
        speed.precision(4);
        speed << std::fixed << "SET_SPINDLE_SPEED(0, " << c.spindle << ")";
        EXPECT_NE(canonical.find(speed.str()), std::string::npos) << speed.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rs274, ControllerReady,
    ::testing::Values(
        ControllerCase{"feed", {"--feed", "300"}, 300, 300, "CANON_UNITS_MM", 0},
        ControllerCase{"slower_plunge",
                       {"--feed", "300", "--plunge-feed", "100.5"},
                       100.5,
                       300,
                       "CANON_UNITS_MM",
                       0},
        ControllerCase{
            "millimetres", {"--units", "mm", "--feed", "0.005"}, 0.005, 0.005, "CANON_UNITS_MM", 0},
        ControllerCase{
            "inches", {"--feed", "12.05", "--units", "inch"}, 12.05, 12.05, "CANON_UNITS_INCHES", 0},
        ControllerCase{
            "spindle", {"--feed", "800", "--spindle", "10000"}, 800, 800, "CANON_UNITS_MM", 10000},
        ControllerCase{
            "every_option",
            {"--feed", "800", "--plunge-feed", "120", "--units", "inch", "--spindle", "12000.5"},
            120,
            800,
            "CANON_UNITS_INCHES",
            12000.5}),
    [](const auto& info) { return info.param.name; });

// Take the header, the end and the feed words away and the bare program is left, byte for byte.
TEST_F(CommandLineTest, ControllerWordsOnlyAddToTheBareProgram) {
    const ProcessResult bare = Run(kEngraving);
    const ProcessResult ready = Run({"--feed", "300", "--plunge-feed", "90", "--spindle", "9000",
                                     "--font-file", kDejaVuSans, "--underline", "Hé8"});
    ASSERT_EQ(ready.status, 0) << ready.err;

    std::vector<std::string_view> lines = Lines(ready.out);
    const std::vector<std::string_view> header{"G90", "G94", "G21", "M3 S9000"};
    const std::vector<std::string_view> end{"G0 Z2", "M5", "M2"};
    ASSERT_GT(lines.size(), header.size() + end.size());
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 4), header);
    EXPECT_EQ(std::vector(lines.end() - 3, lines.end()), end);

    std::string body;
    for (std::size_t i = header.size(); i + end.size() < lines.size(); ++i) {
        std::string line(lines[i]);
        for (std::string_view feed : {" F90", "F300"})
            if (line.ends_with(feed)) line.resize(line.size() - feed.size());
        body += line + "\r\n";
    }
    EXPECT_TRUE(body == bare.out);
}

}  // namespace
}  // namespace scrivafresa::testing
