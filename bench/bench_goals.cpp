// Reads the JSON results of the benchmark programs of one run (--benchmark_out files) and prints
// each goal as a ratio of that run: the measured value against its yardstick (another benchmark of
// the same run, or the goal itself), the ratio, the ratio the goal allows and whether it is met;
// then the floors that bound the goals, and the first searches.
//   bench_goals RESULT.json...

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <optional>

namespace {

// Every result by its name without what Google Benchmark adds after it (iterations, manual time).
QMap<QString, QJsonObject> results;

void load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_goals: cannot read %s\n", qPrintable(path));
        return;
    }
    static const QRegularExpression added(QStringLiteral("/(iterations:\\d+|manual_time|min_time:[\\d.]+)"));
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject result = value.toObject();
        if (result.value(QStringLiteral("error_occurred")).toBool())
            continue;
        results.insert(result.value(QStringLiteral("name")).toString().remove(added), result);
    }
}

// The real time of a result in milliseconds.
std::optional<double> milliseconds(const QString& name)
{
    const auto found = results.find(name);
    if (found == results.end())
        return std::nullopt;
    const double time = found->value(QStringLiteral("real_time")).toDouble();
    const QString unit = found->value(QStringLiteral("time_unit")).toString();
    return unit == QLatin1String("ns") ? time / 1e6 : unit == QLatin1String("us") ? time / 1e3 : unit == QLatin1String("s") ? time * 1e3 : time;
}

std::optional<double> counter(const QString& name, const char* key)
{
    const auto found = results.find(name);
    if (found == results.end() || !found->contains(QLatin1String(key)))
        return std::nullopt;
    return found->value(QLatin1String(key)).toDouble();
}

int unmet = 0;

void header(const char* title)
{
    std::printf("\n%s\n%-44s %12s %12s %8s %8s  %s\n", title, "operation", "measured", "against", "ratio", "goal", "met");
}

// One line: `measured` against `against` (both in `unit`), their ratio beside `goal`.
void row(const QString& operation, std::optional<double> measured, std::optional<double> against, const char* unit,
         double goal)
{
    if (!measured || !against || *against <= 0) {
        std::printf("%-44s %12s %12s %8s %8.2f  not measured\n", qPrintable(operation), "-", "-", "-", goal);
        return;
    }
    const double ratio = *measured / *against;
    const bool met = ratio <= goal;
    unmet += met ? 0 : 1;
    std::printf("%-44s %9.2f %-2s %9.2f %-2s %8.2f %8.2f  %s\n", qPrintable(operation), *measured, unit, *against, unit,
                ratio, goal, met ? "yes" : "NO");
}

// A floor or a first search: a value and what it is set against, without a goal of its own.
void plain(const QString& operation, std::optional<double> measured, std::optional<double> against, const char* unit)
{
    if (!measured || !against || *against <= 0)
        return;
    std::printf("%-44s %9.2f %-2s %9.2f %-2s %8.2f\n", qPrintable(operation), *measured, unit, *against, unit,
                *measured / *against);
}

const char* const searches[] = {"SearchAnd", "SearchOr", "SearchPhrase"};
const char* const wordSets[] = {"common", "middling", "rare", "even"};

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        load(QString::fromLocal8Bit(argv[i]));

    header("Goals (ratio = measured / against; met when the ratio is at most the goal)");
    for (const auto& [size, goal] : {std::pair{1, 1.2}, {10, 1.2}, {100, 1.5}}) {
        const QString name = QStringLiteral("StartUp/x%1").arg(size);
        row(QStringLiteral("start-up to painted window, vs minimal Qt x%1").arg(size), milliseconds(name),
            counter(name, "minimal_qt_ms"), "ms", goal);
    }
    for (const int size : {10, 100})
        row(QStringLiteral("list process and category, vs plain list x%1").arg(size),
            milliseconds(QStringLiteral("ListProcessAndCategory/x%1").arg(size)),
            milliseconds(QStringLiteral("PlainList/x%1").arg(size)), "ms", 1.5);
    for (const auto& [size, goalMs] : {std::pair{10, 5.0}, {100, 25.0}})
        for (const char* search : searches)
            for (const char* set : wordSets)
                row(QStringLiteral("%1 %2, steady, vs goal x%3").arg(QLatin1String(search), QLatin1String(set)).arg(size),
                    milliseconds(QStringLiteral("%1/%2/x%3").arg(QLatin1String(search), QLatin1String(set)).arg(size)),
                    goalMs, "ms", 1.0);
    for (int file = 0; file < 3; ++file)
        row(QStringLiteral("open cached Jet copy %1, vs as own file").arg(file),
            milliseconds(QStringLiteral("SecondOpenUsesTheCache/%1").arg(file)),
            milliseconds(QStringLiteral("OwnFileOpens/%1").arg(file)), "ms", 1.2);
    for (const auto& [size, goalMb] : {std::pair{10, 60.0}, {100, 120.0}})
        row(QStringLiteral("peak memory, vs goal x%1").arg(size), counter(QStringLiteral("PeakMemory/x%1").arg(size), "peak_rss_MB"),
            goalMb, "MB", 1.0);
    row(QStringLiteral("40 KB interpretation, one-letter hits, vs goal"), milliseconds(QStringLiteral("InterpretationWithHits")),
        50.0, "ms", 1.0);
    row(QStringLiteral("definition of 1,000 runs, vs goal"), milliseconds(QStringLiteral("DefinitionOfManyRuns")), 50.0,
        "ms", 1.0);

    header("Floors of the same run (ratio = floor / goal or yardstick)");
    for (const int size : {1, 10, 100}) {
        const QString name = QStringLiteral("StartUp/x%1").arg(size);
        plain(QStringLiteral("minimal Qt with a start-up window first x%1").arg(size), counter(name, "splash_first_ms"),
              counter(name, "minimal_qt_ms"), "ms");
    }
    for (const auto& [size, goalMs] : {std::pair{1, 5.0}, {10, 5.0}, {100, 25.0}}) {
        plain(QStringLiteral("texts in memory, And of common words x%1").arg(size),
              milliseconds(QStringLiteral("ScanFloor/x%1").arg(size)), goalMs, "ms");
        plain(QStringLiteral("storage engine bringing the texts x%1").arg(size),
              milliseconds(QStringLiteral("EngineFloor/x%1").arg(size)), goalMs, "ms");
    }
    for (int file = 0; file < 3; ++file) {
        const std::optional<double> own = milliseconds(QStringLiteral("OwnFileOpens/%1").arg(file));
        const std::optional<double> identity = milliseconds(QStringLiteral("IdentityFloor/%1").arg(file));
        if (own && identity)
            plain(QStringLiteral("own file plus Jet identity %1, vs own").arg(file), *own + *identity, own, "ms");
    }

    header("First search after the window opened (ratio = first / steady)");
    for (const int size : {1, 10, 100})
        for (const char* search : searches)
            for (const char* set : wordSets) {
                const QString name = QStringLiteral("%1/%2/x%3").arg(QLatin1String(search), QLatin1String(set)).arg(size);
                plain(QStringLiteral("%1 %2 x%3").arg(QLatin1String(search), QLatin1String(set)).arg(size),
                      milliseconds(QStringLiteral("First") + name), milliseconds(name), "ms");
            }
    std::printf("\n%d goal(s) not met\n", unmet);
    return 0;
}
