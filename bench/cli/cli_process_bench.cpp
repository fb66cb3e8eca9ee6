// Each iteration starts the command line as its own process and waits for it, so the time
// is what a script sees and the peak memory is the process's own resident set.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kUming = "/usr/share/fonts/truetype/arphic/uming.ttc";

std::string Repeated(const std::string& unit, std::size_t characters, std::size_t unitCharacters) {
    std::string text;
    for (std::size_t n = 0; n < characters; n += unitCharacters) text += unit;
    // Cut back to whole characters: every unit's characters have the same byte length here.
    const std::size_t bytesPerCharacter = unit.size() / unitCharacters;
    text.resize(characters * bytesPerCharacter);
    return text;
}

const std::string kLatin = Repeated("The quick brown fox jumps over the lazy dog. ", 255, 45);
const std::string kChinese = Repeated("雕刻文字", 85, 4);

struct Finished {
    bool ok = false;
    long peakKiB = 0;
};

Finished RunOnce(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{SCRIVAFRESA_CLI};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_RDWR);
        if (quiet < 0 || dup2(quiet, 0) < 0 || dup2(quiet, 1) < 0 || dup2(quiet, 2) < 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return {};
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

void EngraveInAProcess(benchmark::State& state, std::vector<std::string> arguments) {
    const std::filesystem::path output = std::filesystem::temp_directory_path() /
                                         ("scrivafresa-bench-" + std::to_string(getpid()) + ".gc");
    arguments.insert(arguments.begin(), {"-o", output.string()});
    long peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const Finished run = RunOnce(arguments);
        const auto end = std::chrono::steady_clock::now();
        if (!run.ok) {
            state.SkipWithError("the command line failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        peakKiB = std::max(peakKiB, run.peakKiB);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    std::filesystem::remove(output);
}

}  // namespace

BENCHMARK_CAPTURE(EngraveInAProcess, latin_255_font_file,
                  {"--font-file", kDejaVuSans, "--height", "-200", kLatin})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EngraveInAProcess, chinese_85_font_file,
                  {"--font-file", kUming, "--height", "-200", kChinese})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// Matching by name loads fontconfig's configuration and caches first.
BENCHMARK_CAPTURE(EngraveInAProcess, latin_255_font_name,
                  {"--font", "Verdana", "--height", "-200", kLatin})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EngraveInAProcess, chinese_85_font_name,
                  {"--font", "AR PL UMing CN", "--height", "-200", kChinese})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// The window's case: a Chinese text in the default face, drawn from the fallback face.
BENCHMARK_CAPTURE(EngraveInAProcess, chinese_85_fallback_from_verdana,
                  {"--font", "Verdana", "--height", "-200", kChinese})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
