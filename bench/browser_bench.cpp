// What a person waits for in the main window, on reference databases of 1, 10 and 100 times a
// full edition:
// - start-up: the whole program, from starting its process to its main window painted with the
//   lists filled (the start-up window's wait skipped), beside a minimal Qt program that opens one
//   window, timed alike in the same run;
// - filling the process list, listing one process and category, listing every paragraph, and
//   And, Or and Phrase searches of three words, each through to the first paragraph painted with
//   its hits coloured.
// Each benchmark reports the peak resident memory of the benchmark process so far; run one size
// per process (bench/run does) to read it per size. Run: browser_bench [--benchmark_filter=...];
// the generated databases are kept in $VARNEL_BENCH_DIR (default: the temporary directory).

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "browser/varnel_main.h"
#include "platform/settings.h"
#include "platform/ui/seams.h"
#include "bench_application.h"
#include "process_start.h"
#include "reference_generator.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <utility>
#include <memory>
#include <sys/resource.h>

namespace {

// Counts the paints of a widget, to show that a step was painted.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

using bench::paint;
using bench::peakRssMb;

std::unique_ptr<varnel::varnelMain> newMainWindow(int size)
{
    varnel::resetVarnelCore();
    varnel::VarnelCore& core = varnel::varnelCore();
    core.dataPathKey = varnel::versionedKey(QStringLiteral("data path"));
    core.defaultFileKey = varnel::versionedKey(QStringLiteral("default file"));
    core.dataPath = bench::referenceDatabase(size);
    core.defaultFile = QStringLiteral("qel0709.mdb");
    core.firstActivation = true;
    auto window = std::make_unique<varnel::varnelMain>();
    window->show();
    window->Form_Activate();
    paint();
    return window;
}

// One main window per size, kept from one benchmark to the next as a person keeps the window
// open, so that the memory reported is that of one window and one open database.
std::pair<int, std::unique_ptr<varnel::varnelMain>> openWindow;

varnel::varnelMain& mainWindow(int size)
{
    if (!openWindow.second || openWindow.first != size) {
        openWindow.second.reset();
        openWindow = {size, newMainWindow(size)};
    }
    return *openWindow.second;
}

// The window of that size browsing by process, on the first category of `process`.
varnel::varnelMain& browsingByProcess(int size, const QString& process)
{
    varnel::varnelMain& window = mainWindow(size);
    if (window.Check1->value() != 1)
        window.Check1->setValue(1);
    window.Text1[1]->setText(QString());
    window.Text1[2]->setText(process);
    window.Text1[3]->setText(window.List1[3]->entryText(1));
    paint();
    return window;
}

// Runs `step` once per iteration and paints its result; reports the paragraphs listed, the paints
// of the paragraph text per step and the share of the time spent painting, and the peak resident
// memory.
template <typename Step>
void timeStep(benchmark::State& state, varnel::varnelMain& window, Step step)
{
    PaintCounter counter;
    window.RichTextBox1->viewport()->installEventFilter(&counter);
    std::chrono::steady_clock::duration painting{};
    for (auto _ : state) {
        step();
        const auto stepped = std::chrono::steady_clock::now();
        paint();
        painting += std::chrono::steady_clock::now() - stepped;
    }
    window.RichTextBox1->viewport()->removeEventFilter(&counter);
    state.counters["paragraphs"] = window.ListView1[2]->count();
    state.counters["text_paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(painting).count(),
                                                    benchmark::Counter::kAvgIterations);
    state.counters["peak_rss_MB"] = peakRssMb();
}

void StartUpWholeProcess(benchmark::State& state)
{
    const QString dataPath = bench::referenceDatabase(static_cast<int>(state.range(0)));
    QTemporaryDir config;
    {
        platform::SettingsStore settings(config.filePath(QStringLiteral("Quorbel software/settings.ini")));
        settings.write(QStringLiteral("varnel"), varnel::versionedKey(QStringLiteral("data path")), dataPath);
        settings.write(QStringLiteral("varnel"), varnel::versionedKey(QStringLiteral("default file")), QStringLiteral("qel0709.mdb"));
    }
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString program = programs.filePath(QStringLiteral("varnel"));
    const QString minimal = programs.filePath(QStringLiteral("minimal_qt_window"));
    QTemporaryDir runtime;  // made private to its owner, as Qt wants it
    const QStringList environment = {QStringLiteral("XDG_CONFIG_HOME=") + config.path(),
                                     QStringLiteral("XDG_RUNTIME_DIR=") + runtime.path(),
                                     QStringLiteral("VARNEL_BENCH_STARTUP=1")};
    // One start of each first, so that both find their libraries in the page cache.
    bench::timeProcessStart(program, environment);
    bench::timeProcessStart(minimal, environment);
    double programSeconds = 0, minimalSeconds = 0, programRss = 0, minimalRss = 0;
    for (auto _ : state) {
        const bench::ProcessStart started = bench::timeProcessStart(program, environment);
        const bench::ProcessStart yardstick = bench::timeProcessStart(minimal, environment);
        if (started.seconds < 0 || yardstick.seconds < 0) {
            state.SkipWithError("a program did not report its painted window");
            return;
        }
        state.SetIterationTime(started.seconds);
        programSeconds += started.seconds;
        minimalSeconds += yardstick.seconds;
        programRss = std::max(programRss, started.peakRssMb);
        minimalRss = std::max(minimalRss, yardstick.peakRssMb);
    }
    state.counters["minimal_qt_ms"] = benchmark::Counter(minimalSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = programSeconds / minimalSeconds;
    state.counters["rss_MB"] = programRss;
    state.counters["minimal_rss_MB"] = minimalRss;
}

void FillProcessList(benchmark::State& state)
{
    varnel::varnelMain& window = mainWindow(static_cast<int>(state.range(0)));
    timeStep(state, window, [&] { benchmark::DoNotOptimize(window.initiateDatabase()); });
}

void ListProcessAndCategory(benchmark::State& state)
{
    varnel::varnelMain& window = browsingByProcess(static_cast<int>(state.range(0)), QStringLiteral("SMAW"));
    const QString essential = window.List1[3]->entryText(1);
    const QString nonessential = window.List1[3]->entryText(2);
    bool flip = false;
    timeStep(state, window, [&] { window.Text1[3]->setText((flip = !flip) ? nonessential : essential); });
}

void ListAllParagraphs(benchmark::State& state)
{
    varnel::varnelMain& window = mainWindow(static_cast<int>(state.range(0)));
    window.Check1->setValue(0);
    paint();
    timeStep(state, window, [&] { window.fillVariableList(); });
}

void Search(benchmark::State& state, int option, const QString& words)
{
    varnel::varnelMain& window = browsingByProcess(static_cast<int>(state.range(0)), QStringLiteral("SMAW"));
    window.Option1[option]->setChecked(true);
    window.Text1[1]->setText(words);
    paint();
    timeStep(state, window, [&] { window.performSearch(); });
}

void SearchAnd(benchmark::State& state) { Search(state, 0, QStringLiteral("weld metal thickness")); }
void SearchOr(benchmark::State& state) { Search(state, 1, QStringLiteral("preheat groove backing")); }
void SearchPhrase(benchmark::State& state) { Search(state, 2, QStringLiteral("base metal thickness")); }

}  // namespace

BENCHMARK(StartUpWholeProcess)->Arg(1)->Arg(10)->Arg(100)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(FillProcessList)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(ListProcessAndCategory)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(ListAllParagraphs)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchAnd)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchOr)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchPhrase)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] {
        openWindow.second.reset();
        varnel::resetVarnelCore();
    });
}
