// Outline plus program for the three reference workloads, with one outline source kept warm as
// the window and the command line keep it, and the program formatting on its own.
#include <benchmark/benchmark.h>

#include <string>

#include "engraving_program.h"
#include "generation_run.h"
#include "outline_source.h"
#include "program_text.h"

namespace {

using namespace scrivafresa;

std::string Repeat(const std::string& unit, std::size_t characters, std::size_t unitCharacters) {
    std::string text;
    for (std::size_t n = 0; n < characters; n += unitCharacters) text += unit;
    return text;
}

// 255 Latin characters: the pangram repeated and cut.
std::string LatinText() {
    return Repeat("The quick brown fox jumps over the lazy dog. ", 255, 45).substr(0, 255);
}

// 85 CJK characters: the four repeated, cut after the 85th.
std::string CjkText() {
    std::string text;
    const char* units[] = {"雕", "刻", "文", "字"};
    for (int i = 0; i < 85; ++i) text += units[i % 4];
    return text;
}

EngravingFont FontNamed(const char* name, int height) {
    EngravingFont font;
    font.Name = name;
    font.Height = height;
    return font;
}

void RunWorkload(benchmark::State& state, const std::string& text, const EngravingFont& font) {
    OutlineSource source;
    std::size_t lines = RunGeneration(source, text, font, 100, "2", "-1").lineCount;
    for (auto _ : state) {
        EngravingProgram program = RunGeneration(source, text, font, 100, "2", "-1");
        benchmark::DoNotOptimize(program.text.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_HelloWorldDefaultFont(benchmark::State& state) {
    RunWorkload(state, "Hello, World!", FontNamed("Verdana", -48));
}
BENCHMARK(BM_HelloWorldDefaultFont)->Unit(benchmark::kMicrosecond);

void BM_Latin255DejaVuSans200(benchmark::State& state) {
    RunWorkload(state, LatinText(), FontNamed("DejaVu Sans", -200));
}
BENCHMARK(BM_Latin255DejaVuSans200)->Unit(benchmark::kMillisecond);

void BM_Cjk85UMing200(benchmark::State& state) {
    RunWorkload(state, CjkText(), FontNamed("AR PL UMing CN", -200));
}
BENCHMARK(BM_Cjk85UMing200)->Unit(benchmark::kMillisecond);

// The first run in a fresh source: the face opened and every glyph flattened.
void RunFirstTime(benchmark::State& state, const std::string& text, const char* fontFile) {
    for (auto _ : state) {
        OutlineSource source(fontFile);
        benchmark::DoNotOptimize(RunGeneration(source, text, FontNamed("any", -200), 100, "2", "-1"));
    }
}

void BM_Latin255FirstRun(benchmark::State& state) {
    RunFirstTime(state, LatinText(), "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
}
BENCHMARK(BM_Latin255FirstRun)->Unit(benchmark::kMillisecond);

void BM_Cjk85FirstRun(benchmark::State& state) {
    RunFirstTime(state, CjkText(), "/usr/share/fonts/truetype/arphic/uming.ttc");
}
BENCHMARK(BM_Cjk85FirstRun)->Unit(benchmark::kMillisecond);

void BM_ProgramFormatting(benchmark::State& state) {
    constexpr int kLines = 100000;
    for (auto _ : state) {
        ProgramText program;
        program.Reserve(kLines);
        for (int i = 0; i < kLines; i += 4) {
            program.Lift(2);
            program.Rapid(123456 + i, 98765 - i);
            program.Plunge(-1);
            program.Cut(-150 - i, 4000 + i);
        }
        benchmark::DoNotOptimize(program.Text().data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ProgramFormatting)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
