// What a person waits for when the program opens a Jet file: the first open, which converts the
// file in the child program, and a later one, which checks and opens the cached copy. Each public
// sample file: 0 nwind.mdb (Jet 3, 3 MB), 1 DateTestDatabase.mdb (Jet 4), 2 ASampleDatabase.accdb.
// Run: jet_bench [--benchmark_filter=...]; the cache lives in a temporary directory of the run.

#include "platform/dao/dao.h"
#include "platform/dao/jet_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString sample(int index)
{
    static const char* const names[] = {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"};
    return QStringLiteral(VARNEL_SOURCE_DIR "/tests/data/jet/") + QString::fromLatin1(names[index]);
}

void openAndClose(const QString& path)
{
    auto db = dao::Workspace::defaultWorkspace().openDatabase(path, false, false, QStringLiteral(";pwd="));
    benchmark::DoNotOptimize(db->tableNames().size());
    db->close();
}

void FirstOpenConverts(benchmark::State& state)
{
    const QString path = sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(dao::jet::cacheDirectory()).removeRecursively();
        state.ResumeTiming();
        openAndClose(path);
    }
}

void SecondOpenUsesTheCache(benchmark::State& state)
{
    const QString path = sample(static_cast<int>(state.range(0)));
    openAndClose(path);
    for (auto _ : state)
        openAndClose(path);
}

}  // namespace

BENCHMARK(FirstOpenConverts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SecondOpenUsesTheCache)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", cacheHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
