// What a person waits for in the main window, on reference databases of 1, 10 and 100 times a
// full edition: start-up to a filled window, filling the process list, listing one process and
// category, and And, Or and Phrase searches of three words through to the first paragraph shown
// with its hits coloured. Run: browser_bench [--benchmark_filter=...]; the generated databases are
// kept in $VARNEL_BENCH_DIR (default: the temporary directory) between runs.

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "browser/varnel_main.h"
#include "platform/settings.h"
#include "platform/ui/seams.h"
#include "reference_generator.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Message boxes answer themselves: a benchmark has no person to press OK.
class SilentMessages final : public platform::MessageBoxes {
public:
    void show(platform::MessageIcon, const QString&, const QString&) override {}
};

std::unique_ptr<varnel::varnelMain> openMainWindow(int size)
{
    varnel::resetVarnelCore();
    varnel::VarnelCore& core = varnel::varnelCore();
    core.dataPathKey = varnel::versionedKey(QStringLiteral("data path"));
    core.defaultFileKey = varnel::versionedKey(QStringLiteral("default file"));
    core.dataPath = bench::referenceDatabase(size);
    core.defaultFile = QStringLiteral("qel0709.mdb");
    core.firstActivation = true;
    auto window = std::make_unique<varnel::varnelMain>();
    window->Form_Activate();
    return window;
}

void StartUpToFilledWindow(benchmark::State& state)
{
    bench::referenceDatabase(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto window = openMainWindow(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(window->ListView1[2]->count());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void FillProcessList(benchmark::State& state)
{
    auto window = openMainWindow(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(window->initiateDatabase());
}

void ListProcessAndCategory(benchmark::State& state)
{
    auto window = openMainWindow(static_cast<int>(state.range(0)));
    window->Text1[2]->setText(QStringLiteral("SMAW"));
    const QString essential = window->List1[3]->entryText(1);
    const QString nonessential = window->List1[3]->entryText(2);
    bool flip = false;
    for (auto _ : state) {
        window->Text1[3]->setText((flip = !flip) ? nonessential : essential);
        benchmark::DoNotOptimize(window->ListView1[2]->count());
    }
    state.counters["paragraphs"] = window->ListView1[2]->count();
}

void Search(benchmark::State& state, int option, const QString& words)
{
    auto window = openMainWindow(static_cast<int>(state.range(0)));
    window->Text1[2]->setText(QStringLiteral("SMAW"));
    window->Text1[3]->setText(window->List1[3]->entryText(1));
    window->Option1[option]->setChecked(true);
    window->Text1[1]->setText(words);
    for (auto _ : state) {
        window->performSearch();
        benchmark::DoNotOptimize(window->RichTextBox1->text());
    }
    state.counters["paragraphs"] = window->ListView1[2]->count();
}

void SearchAnd(benchmark::State& state) { Search(state, 0, QStringLiteral("weld metal thickness")); }
void SearchOr(benchmark::State& state) { Search(state, 1, QStringLiteral("preheat groove backing")); }
void SearchPhrase(benchmark::State& state) { Search(state, 2, QStringLiteral("base metal thickness")); }

}  // namespace

BENCHMARK(StartUpToFilledWindow)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(FillProcessList)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(ListProcessAndCategory)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchAnd)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchOr)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchPhrase)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    QApplication app(argc, argv);
    platform::setSettingsStore(std::make_unique<platform::SettingsStore>(settingsDir.filePath("settings.ini")));
    platform::Seams seams;
    seams.messageBoxes = std::make_unique<SilentMessages>();
    platform::installSeams(std::move(seams));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    varnel::resetVarnelCore();
    return 0;
}
