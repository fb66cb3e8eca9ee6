// Pressing Generate until the memo, the extents and the preview hold the result, for a long
// Latin and a long Chinese text at an em of 200 pixels; and the time from nothing to the first
// painted window with the splash's wait left out, both inside one process and as a whole
// program start.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <cstdio>
#include <cstring>
#include <memory>

#include "application.h"
#include "main_window.h"

namespace scrivafresa {
namespace {

char* gProgram = nullptr;

WindowServices WithoutWaiting() {
    WindowServices services = DesktopServices();
    services.holdSplash = [](std::chrono::milliseconds) {};
    return services;
}

void GenerateClick(benchmark::State& state, const QString& family, const QString& text) {
    WindowServices services = WithoutWaiting();
    QFont font(family);
    font.setPixelSize(200);
    services.chooseFont = [font](QWidget*, const QFont&) { return std::optional<QFont>(font); };
    TForm1 form(services);
    form.Font->click();
    form.TestoDaScrivere->setText(text);
    if (form.TestoDaScrivere->text() != text) {
        state.SkipWithError("the text does not fit the edit");
        return;
    }
    for (auto _ : state) {
        form.Generate->click();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["program_lines"] = form.Memo1->blockCount() - 1;
    state.counters["em_px"] = -form.Testo->canvasFont().Height;
    state.SetLabel(form.Dimensioni->text().toStdString());
}

// The first press in a fresh window, whose outline source has not opened a face yet.
void BM_GenerateClick_Chinese85_FirstInWindow(benchmark::State& state) {
    WindowServices services = WithoutWaiting();
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(200);
    services.chooseFont = [font](QWidget*, const QFont&) { return std::optional<QFont>(font); };
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TForm1>(services);
        form->Font->click();
        form->TestoDaScrivere->setText(QStringLiteral("雕刻文字").repeated(22).left(85));
        state.ResumeTiming();
        form->Generate->click();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_GenerateClick_Latin255(benchmark::State& state) {
    const QString pangram = QStringLiteral("Sphinx of black quartz, judge my vow. ");
    GenerateClick(state, QStringLiteral("DejaVu Sans"), pangram.repeated(7).left(255));
}
BENCHMARK(BM_GenerateClick_Latin255)->Unit(benchmark::kMillisecond);

void BM_GenerateClick_Chinese85(benchmark::State& state) {
    GenerateClick(state, QStringLiteral("AR PL UMing CN"),
                  QStringLiteral("雕刻文字").repeated(22).left(85));
}
BENCHMARK(BM_GenerateClick_Chinese85)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateClick_Chinese85_FirstInWindow)->Unit(benchmark::kMillisecond);

// Counts the paints of one widget.
class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
    bool painted = false;
};

// Creates the window, shows it and returns once its last control has been painted.
std::unique_ptr<TForm1> ShowUntilPainted() {
    auto form = std::make_unique<TForm1>(WithoutWaiting());
    PaintWatch watch;
    form->Testo->installEventFilter(&watch);
    form->show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    form->Testo->removeEventFilter(&watch);
    return form;
}

void BM_StartupInProcess(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<TForm1> form = ShowUntilPainted();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupInProcess)->Unit(benchmark::kMillisecond);

// The whole program start: loading Qt, the application object, fonts, the window, its first
// paint, as a fresh process each time.
void BM_StartupWholeProcess(benchmark::State& state) {
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            // Qt's notes about the offscreen platform would flood the report.
            if (FILE* quiet = std::freopen("/dev/null", "w", stderr)) (void)quiet;
            execl(gProgram, gProgram, "--show-once", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the start-up child failed");
            break;
        }
    }
}
BENCHMARK(BM_StartupWholeProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
}  // namespace scrivafresa

int main(int argc, char** argv) {
    scrivafresa::gProgram = argv[0];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--show-once") == 0) {
        QApplication application(argc, argv);
        scrivafresa::PrepareApplication(application);
        scrivafresa::ShowUntilPainted();
        return 0;
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    scrivafresa::PrepareApplication(application);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
