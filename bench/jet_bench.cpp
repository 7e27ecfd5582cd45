// What a person waits for when the program opens a Jet file: the first open, which converts the
// file in the child program, and a later one, which recognises and opens the cached copy, beside
// the same copy opened as a file of our own format (OwnFileOpens) and the least a recognition of
// the Jet file costs (IdentityFloor). Each public sample file:
// 0 nwind.mdb (Jet 3, 3 MB), 1 DateTestDatabase.mdb (Jet 4), 2 ASampleDatabase.accdb.
// Run: jet_bench [--benchmark_filter=...]; the cache lives in a temporary directory of the run.

#include "platform/dao/dao.h"
#include "platform/dao/jet_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>
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

void clearCache() { QDir(dao::jet::cacheDirectory()).removeRecursively(); }

void FirstOpenConverts(benchmark::State& state)
{
    const QString path = sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        clearCache();
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

void OwnFileOpens(benchmark::State& state)
{
    const QString path = sample(static_cast<int>(state.range(0)));
    clearCache();
    openAndClose(path);
    const QDir cache(dao::jet::cacheDirectory());
    QTemporaryDir own;
    const QString copy = own.filePath(QStringLiteral("copy.mdb"));
    for (const QString& name : cache.entryList({QStringLiteral("*.sqlite")}, QDir::Files))
        QFile::copy(cache.filePath(name), copy);
    for (auto _ : state)
        openAndClose(copy);
}

// The least a recognition of an unchanged Jet file costs: its identity, read as the cache reads it
// (its state on disk and the digest of its first pages).
void IdentityFloor(benchmark::State& state)
{
    const QString path = sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QFileInfo info(path);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(info.lastModified());
        benchmark::DoNotOptimize(QCryptographicHash::hash(file.read(4 * 1024), QCryptographicHash::Blake2b_256));
    }
}

}  // namespace

BENCHMARK(IdentityFloor)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstOpenConverts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SecondOpenUsesTheCache)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(OwnFileOpens)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

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
