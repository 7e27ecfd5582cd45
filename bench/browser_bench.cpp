// What a person waits for in the main window, on reference databases of 1, 10 and 100 times a
// full edition (size xN in each name), worded like an edition or evenly (reference_generator.h):
// - StartUp: the whole program, from starting its process to its main window painted with the
//   lists filled, less the start-up window's wait (shortened to half a second, which is still
//   longer than what the program does meanwhile), beside a minimal Qt program that opens one
//   window, and beside the same showing a start-up window first (the floor of a program that
//   does), timed alike in the same run; on the X display of $DISPLAY when there is one;
// - ListProcessAndCategory: one process and category listed, query to the first paragraph's text
//   painted, beside PlainList: a plain Qt list of the same entries (in memory) filled and painted;
// - Search{And,Or,Phrase}/{common,middling,rare,even}: a search of three words through to the
//   first paragraph painted with its hits coloured, in the steady state (the window has searched
//   before) and as the first search after the window opened (First...);
// - ScanFloor: the least any search that reads the texts costs: the chosen category's texts held
//   in memory in lower case and searched for the three common words, with no database and no
//   window; EngineFloor: the storage engine alone bringing those texts from the same file;
// - PeakMemory: the peak resident memory of this process after the window's steps (before the
//   floor, which holds texts of its own). Run one size per process (bench/run does).
// Run: browser_bench [--benchmark_filter=...]; the generated databases are kept in
// $VARNEL_BENCH_DIR (default: the temporary directory).

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "bench_application.h"
#include "browser/varnel_main.h"
#include "data/password.h"
#include "platform/dao/dao.h"
#include "platform/settings.h"
#include "process_start.h"
#include "reference_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <sqlite3.h>
#include <utility>

namespace {

using bench::paint;
using bench::peakRssMb;
using bench::Wording;
using bench::WordSet;

const int sizes[] = {1, 10, 100};

QString sizeName(int size) { return QStringLiteral("x%1").arg(size); }

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

std::unique_ptr<varnel::varnelMain> newMainWindow(int size, Wording wording)
{
    varnel::resetVarnelCore();
    varnel::VarnelCore& core = varnel::varnelCore();
    core.dataPathKey = varnel::versionedKey(QStringLiteral("data path"));
    core.defaultFileKey = varnel::versionedKey(QStringLiteral("default file"));
    core.dataPath = bench::referenceDatabase(size, wording);
    core.defaultFile = QStringLiteral("qel0709.mdb");
    core.firstActivation = true;
    auto window = std::make_unique<varnel::varnelMain>();
    window->show();
    window->Form_Activate();
    paint();
    return window;
}

// One main window at a time, kept from one benchmark to the next as a person keeps the window
// open, so that the memory reported is that of one window and one open database.
struct OpenWindow {
    int size = 0;
    Wording wording = Wording::Edition;
    std::unique_ptr<varnel::varnelMain> window;
} openWindow;

varnel::varnelMain& mainWindow(int size, Wording wording, bool fresh = false)
{
    if (fresh || !openWindow.window || openWindow.size != size || openWindow.wording != wording) {
        openWindow.window.reset();
        openWindow = {size, wording, newMainWindow(size, wording)};
    }
    return *openWindow.window;
}

// The window browsing by process, on the first category of `process`.
varnel::varnelMain& browsingByProcess(int size, Wording wording, bool fresh = false)
{
    varnel::varnelMain& window = mainWindow(size, wording, fresh);
    if (window.Check1->value() != 1)
        window.Check1->setValue(1);
    window.Text1[1]->setText(QString());
    window.Text1[2]->setText(QStringLiteral("SMAW"));
    window.Text1[3]->setText(window.List1[3]->entryText(1));
    paint();
    return window;
}

// Runs `step` once per iteration and paints its result; `prepare` runs before each step outside
// the time. Reports the paragraphs listed, the paints of the paragraph text per step, the share of
// the time spent painting and the peak resident memory.
template <typename Window, typename Prepare, typename Step>
void timeStep(benchmark::State& state, Window window, Prepare prepare, Step step)
{
    int paints = 0, paragraphs = 0;
    std::chrono::steady_clock::duration painting{};
    for (auto _ : state) {
        state.PauseTiming();
        varnel::varnelMain& w = window();
        prepare(w);
        PaintCounter counter;
        w.RichTextBox1->viewport()->installEventFilter(&counter);
        state.ResumeTiming();
        step(w);
        const auto stepped = std::chrono::steady_clock::now();
        paint();
        painting += std::chrono::steady_clock::now() - stepped;
        state.PauseTiming();
        w.RichTextBox1->viewport()->removeEventFilter(&counter);
        paints += counter.paints;
        paragraphs = w.ListView1[2]->count();
        state.ResumeTiming();
    }
    state.counters["paragraphs"] = paragraphs;
    state.counters["text_paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(painting).count(),
                                                    benchmark::Counter::kAvgIterations);
    state.counters["peak_rss_MB"] = peakRssMb();
}

// Starts the program and the minimal Qt program by turns, each start with settings, cache and
// runtime directories of its own, on the X display when there is one.
void StartUp(benchmark::State& state, int size)
{
    const QString dataPath = bench::referenceDatabase(size, Wording::Edition);
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString program = programs.filePath(QStringLiteral("varnel"));
    const QString minimal = programs.filePath(QStringLiteral("minimal_qt_window"));
    const bool onDisplay = !qEnvironmentVariableIsEmpty("DISPLAY");
    state.SetLabel(onDisplay ? "X display" : "offscreen");
    const auto start = [&](const QString& path, const QStringList& arguments = {}) {
        QTemporaryDir home;
        {
            // The settings of a person who has run the program before.
            platform::SettingsStore settings(home.filePath(QStringLiteral("config/Quorbel software/settings.ini")));
            settings.write(QStringLiteral("varnel"), QStringLiteral("program path"), programs.absolutePath());
            settings.write(QStringLiteral("varnel"), varnel::versionedKey(QStringLiteral("data path")), dataPath);
            settings.write(QStringLiteral("varnel"), varnel::versionedKey(QStringLiteral("default file")),
                           QStringLiteral("qel0709.mdb"));
        }
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return bench::timeProcessStart(
            path, {QStringLiteral("XDG_CONFIG_HOME=") + home.filePath(QStringLiteral("config")),
                   QStringLiteral("XDG_CACHE_HOME=") + home.filePath(QStringLiteral("cache")),
                   QStringLiteral("XDG_DATA_HOME=") + home.filePath(QStringLiteral("data")),
                   QStringLiteral("XDG_RUNTIME_DIR=") + home.filePath(QStringLiteral("runtime")),
                   QStringLiteral("QT_QPA_PLATFORM=") + (onDisplay ? QStringLiteral("xcb") : QStringLiteral("offscreen")),
                   QStringLiteral("VARNEL_BENCH_STARTUP=1"), QStringLiteral("VARNEL_BENCH_SPLASH_MS=500")},
            arguments);
    };
    // One start of each first, so that both find their libraries in the page cache.
    start(program);
    start(minimal);
    double programSeconds = 0, minimalSeconds = 0, twoWindowsSeconds = 0, programRss = 0, minimalRss = 0;
    for (auto _ : state) {
        const bench::ProcessStart started = start(program);
        const bench::ProcessStart yardstick = start(minimal);
        const bench::ProcessStart twoWindows = start(minimal, {QStringLiteral("--splash-first")});
        if (started.seconds < 0 || yardstick.seconds < 0 || twoWindows.seconds < 0) {
            state.SkipWithError("a program did not report its painted window");
            return;
        }
        state.SetIterationTime(started.seconds);
        programSeconds += started.seconds;
        minimalSeconds += yardstick.seconds;
        twoWindowsSeconds += twoWindows.seconds;
        programRss = std::max(programRss, started.peakRssMb);
        minimalRss = std::max(minimalRss, yardstick.peakRssMb);
    }
    state.counters["minimal_qt_ms"] = benchmark::Counter(minimalSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["splash_first_ms"] = benchmark::Counter(twoWindowsSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = programSeconds / minimalSeconds;
    state.counters["rss_MB"] = programRss;
    state.counters["minimal_rss_MB"] = minimalRss;
}

void ListProcessAndCategory(benchmark::State& state, int size)
{
    varnel::varnelMain& window = browsingByProcess(size, Wording::Edition);
    const QString essential = window.List1[3]->entryText(1);
    const QString nonessential = window.List1[3]->entryText(2);
    bool flip = false;
    timeStep(state, [&]() -> varnel::varnelMain& { return window; }, [](varnel::varnelMain&) {},
             [&](varnel::varnelMain& w) { w.Text1[3]->setText((flip = !flip) ? nonessential : essential); });
}

// The entries of both lists that ListProcessAndCategory shows by turns.
std::pair<QStringList, QStringList> listedEntries(int size)
{
    varnel::varnelMain& window = browsingByProcess(size, Wording::Edition);
    std::pair<QStringList, QStringList> lists;
    for (QStringList* list : {&lists.first, &lists.second}) {
        window.Text1[3]->setText(window.List1[3]->entryText(list == &lists.first ? 1 : 2));
        for (int i = 1; i <= window.ListView1[2]->count(); ++i)
            *list << window.ListView1[2]->entryText(i);
    }
    return lists;
}

void PlainList(benchmark::State& state, int size)
{
    const auto [first, second] = listedEntries(size);
    QListWidget view;
    view.setUniformItemSizes(true);  // as a long list of one-line entries is best shown
    view.resize(300, 400);
    view.show();
    paint();
    bool flip = false;
    for (auto _ : state) {
        view.clear();
        view.addItems((flip = !flip) ? second : first);
        view.setCurrentRow(0);
        paint();
    }
    state.counters["paragraphs"] = static_cast<double>(first.size());
}

void Search(benchmark::State& state, int size, Wording wording, WordSet set, int option, bool first)
{
    const QString words = bench::searchWords(wording, set, option == 2).join(u' ');
    state.SetLabel(words.toStdString());
    const auto window = [&]() -> varnel::varnelMain& {
        // The first search after the window opened: a new window, its database just opened.
        return first ? browsingByProcess(size, wording, true) : mainWindow(size, wording);
    };
    const auto prepare = [&](varnel::varnelMain& w) {
        w.Option1[option]->setChecked(true);
        w.Text1[1]->setText(words);
    };
    const auto step = [](varnel::varnelMain& w) { w.performSearch(); };
    if (!first) {
        // The steady state: the same search once untimed, so that the pages it reads are in the
        // caches before the first timed one, whatever ran before it.
        varnel::varnelMain& w = browsingByProcess(size, wording);
        prepare(w);
        step(w);
        paint();
    }
    timeStep(state, window, prepare, step);
}

void PeakMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(peakRssMb());
    state.counters["peak_rss_MB"] = peakRssMb();
}

// The texts of the listed category, read once.
QStringList categoryTexts(int size)
{
    QStringList texts;
    auto db = dao::Workspace::defaultWorkspace().openDatabase(
        QDir(bench::referenceDatabase(size, Wording::Edition)).filePath(QStringLiteral("qel0709.mdb")), false, true,
        varnel::databaseConnectString());
    auto rows = db->openRecordset(QStringLiteral("SELECT var_text FROM Variables WHERE SMAW_ESS = TRUE"));
    for (; !rows->eof(); rows->moveNext())
        texts << rows->field(QStringLiteral("var_text")).toString();
    return texts;
}

// The least a search that reads the texts costs: the category's texts held in memory, already
// in lower case, searched for every word of the common set as the And search does, and nothing
// shown.
void ScanFloor(benchmark::State& state, int size)
{
    QStringList words = bench::searchWords(Wording::Edition, WordSet::Common);
    for (QString& word : words)
        word = word.toLower();
    QStringList texts = categoryTexts(size);
    for (QString& text : texts)
        text = text.toLower();
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const QString& text : texts)
            hits += std::all_of(words.begin(), words.end(), [&](const QString& word) { return text.contains(word); });
        benchmark::DoNotOptimize(hits);
    }
    state.counters["paragraphs"] = hits;
}

// What the storage engine itself takes to bring every text of the category in the list's order,
// on the same file with the same page cache, matching nothing and showing nothing: the least a
// search that reads the texts from the file costs.
void EngineFloor(benchmark::State& state, int size)
{
    const QString path = QDir(bench::referenceDatabase(size, Wording::Edition)).filePath(QStringLiteral("qel0709.mdb"));
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size = -65536; PRAGMA mmap_size = 0", nullptr, nullptr, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT var_text FROM Variables WHERE \"SMAW_ESS\" = -1 ORDER BY \"order\"", -1, &statement, nullptr);
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            hits += sqlite3_column_bytes(statement, 0) > 0;
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    state.counters["paragraphs"] = hits;
}

void registerBenchmarks()
{
    using benchmark::RegisterBenchmark;
    const auto name = [](const char* what, int size) { return std::string(what) + "/" + sizeName(size).toStdString(); };
    const struct {
        const char* name;
        int option;
    } searches[] = {{"SearchAnd", 0}, {"SearchOr", 1}, {"SearchPhrase", 2}};
    const struct {
        const char* name;
        Wording wording;
        WordSet set;
    } wordSets[] = {{"common", Wording::Edition, WordSet::Common},
                    {"middling", Wording::Edition, WordSet::Middling},
                    {"rare", Wording::Edition, WordSet::Rare},
                    {"even", Wording::Even, WordSet::Common}};
    for (const int size : sizes) {
        RegisterBenchmark(name("StartUp", size).c_str(), StartUp, size)
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
        RegisterBenchmark(name("ListProcessAndCategory", size).c_str(), ListProcessAndCategory, size)
            ->Unit(benchmark::kMillisecond);
        RegisterBenchmark(name("PlainList", size).c_str(), PlainList, size)->Unit(benchmark::kMillisecond);
        for (const auto& search : searches)
            for (const auto& set : wordSets) {
                const std::string stem = std::string(search.name) + "/" + set.name;
                RegisterBenchmark(name(stem.c_str(), size).c_str(), Search, size, set.wording, set.set, search.option, false)
                    ->Unit(benchmark::kMillisecond);
                RegisterBenchmark(name(("First" + stem).c_str(), size).c_str(), Search, size, set.wording, set.set,
                                  search.option, true)
                    ->Iterations(10)
                    ->Unit(benchmark::kMillisecond);
            }
        RegisterBenchmark(name("PeakMemory", size).c_str(), PeakMemory)->Iterations(1);
        RegisterBenchmark(name("ScanFloor", size).c_str(), ScanFloor, size)->Unit(benchmark::kMillisecond);
        RegisterBenchmark(name("EngineFloor", size).c_str(), EngineFloor, size)->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    registerBenchmarks();
    return bench::runBenchmarks(argc, argv, [] {
        openWindow.window.reset();
        varnel::resetVarnelCore();
    });
}
