// The two displays whose cost grows with what they show, each through to the text painted:
// - InterpretationWithHits: the interpretations window shows a 40 KB one-paragraph interpretation
//   with every occurrence of a one-letter search word coloured;
// - DefinitionOfManyRuns: the definitions window shows a definition of one paragraph of 1,000
//   formatting runs (14 KB of RTF), as it does for each character typed into its term box.
// Run: display_bench [--benchmark_filter=...]; the databases live in a temporary directory.

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "data/password.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/sorvik_main.h"
#include "lookups/varnel_definitions.h"
#include "platform/dao/builder.h"
#include "bench_application.h"
#include "sample_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using bench::paint;

QString sqlText(const QString& text) { return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\''; }

QTemporaryDir& workDirectory()
{
    static QTemporaryDir directory;
    return directory;
}

// The sample interpretations with one more of section IX: a header and one paragraph of
// `length` characters of text like the sample's own.
QString interpretationsWithALongOne(int length)
{
    const QString path = workDirectory().filePath(QStringLiteral("intasme.mdb"));
    if (QFile::exists(path))
        return path;
    QFile sample(QStringLiteral(VARNEL_SOURCE_DIR "/data/sample/intasme.sql"));
    if (!sample.open(QIODevice::ReadOnly))
        return {};
    const QString sql = QString::fromUtf8(sample.readAll());
    bench::SampleText words(sql);
    const QString text = QStringLiteral("Interpretation: IX-99-01\n\nSubject: QW-403.6, A Long Sample\n\n"
                                        "Date Issued: March 3, 2014\n\nFile: SMP14-0001\n\nQuestion: ")
                       + words.paragraph(length, 20140303u);
    const QString row = QStringLiteral("INSERT INTO \"INT09\" VALUES ('IX-99-01', %1, 99);\n").arg(sqlText(text));
    dao::buildDatabase(path, {{QStringLiteral("intasme.sql"), sql}, {QStringLiteral("long"), row}},
                       varnel::databaseConnectString().mid(5));
    return path;
}

void InterpretationWithHits(benchmark::State& state)
{
    const QString path = interpretationsWithALongOne(40000);
    varnel::writeInterpretationsSetting(QStringLiteral("data path"), path);
    varnel::resetVarnelCore();
    varnel::resetSorvikCore();
    auto window = std::make_unique<varnel::sorvikMain>();
    window->show();
    paint();
    window->Option1[0]->setChecked(true);
    window->Text1[1]->setText(QStringLiteral("e"));
    for (auto _ : state) {
        window->loadInterpretation(QStringLiteral("IX-99-01"));
        paint();
    }
    state.counters["characters"] = static_cast<double>(window->RichTextBox1->text().size());
    window.reset();
    varnel::resetSorvikCore();
}

// One paragraph of `runs` runs, bold and plain by turns, of text like the sample's.
QString definitionOfRuns(int runs)
{
    QFile sample(QStringLiteral(VARNEL_SOURCE_DIR "/data/sample/qel0709.sql"));
    if (!sample.open(QIODevice::ReadOnly))
        return {};
    bench::SampleText words(QString::fromUtf8(sample.readAll()));
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0\\fs20 ");
    for (int r = 0; r < runs; ++r)
        rtf += (r % 2 ? QStringLiteral("{\\b ") : QStringLiteral("{")) + words.paragraph(7, 1000u + r) + QStringLiteral(" }");
    return rtf + QStringLiteral("\\par}");
}

void DefinitionOfManyRuns(benchmark::State& state)
{
    const QString rtf = definitionOfRuns(1000);
    QString sql;
    for (const char* table : {"Definitions", "Definitions - Brazing", "Definitions - AWS"})
        sql += QStringLiteral("CREATE TABLE \"%1\" (term TEXT COLLATE NOCASE, definition TEXT, figure TEXT);\n")
                   .arg(QLatin1String(table));
    sql += QStringLiteral("INSERT INTO Definitions VALUES ('long definition', %1, NULL);\n").arg(sqlText(rtf));
    const QString path = workDirectory().filePath(QStringLiteral("glossary.mdb"));
    if (!QFile::exists(path))
        dao::buildDatabase(path, {{QStringLiteral("glossary"), sql}}, QString());
    varnel::resetVarnelCore();
    varnel::varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(path, false, true, QStringLiteral(";pwd="));
    varnel::varnelCore().lookupKey = QStringLiteral("long definition");
    auto window = std::make_unique<varnel::varnelDefinitions>();
    window->show();
    paint();
    for (auto _ : state) {
        window->loadDefinition();
        paint();
    }
    state.counters["rtf_characters"] = static_cast<double>(rtf.size());
    state.counters["characters"] = static_cast<double>(window->RichTextBox1->text().size());
    window.reset();
    varnel::resetVarnelCore();
}

}  // namespace

BENCHMARK(InterpretationWithHits)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(DefinitionOfManyRuns)->Unit(benchmark::kMillisecond)->MinTime(0.5);

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
