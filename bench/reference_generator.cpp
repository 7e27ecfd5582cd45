#include "reference_generator.h"

#include "data/password.h"
#include "platform/dao/builder.h"
#include "sample_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>

namespace bench {

namespace {

// Raised whenever what is generated, or what the builder writes into it, changes.
constexpr int generation = 6;

const char* const processes[] = {"OFW", "SMAW", "SAW", "GMAW", "FCAW", "GTAW", "PAW", "ESW", "EGW",
                                 "EBW", "LBW", "LLBW", "STUD", "RW", "RSW", "RSEW", "PW", "FW",
                                 "DFW", "FRW", "FSW", "FLSP", "PSP", "TBW", "TTTS"};
const char* const categories[] = {"ESS", "NON", "SUP", "HFO_ESS", "HFO_NON", "HFSF_ESS", "HFSF_NON", "CRO_ESS", "CRO_NON"};
const char* const words[] = {
    "weld", "metal", "base", "filler", "groove", "fillet", "thickness", "preheat", "interpass",
    "temperature", "position", "vertical", "overhead", "current", "voltage", "travel", "speed",
    "electrode", "diameter", "shielding", "gas", "flux", "backing", "joint", "root", "pass",
    "layer", "bead", "oscillation", "technique", "procedure", "qualification", "coupon", "test",
    "bend", "tension", "impact", "toughness", "heat", "input", "treatment", "postweld", "range",
    "qualified", "change", "addition", "deletion", "number", "group", "composition", "deposit",
    "the", "of", "a", "in", "for", "when", "is", "to", "and", "or", "by", "with", "than", "more"};

using Random = SampleText::Random;

const SampleText& editionText()
{
    static const SampleText text = [] {
        QFile sample(QStringLiteral(VARNEL_SOURCE_DIR "/data/sample/qel0709.sql"));
        return SampleText(sample.open(QIODevice::ReadOnly) ? QString::fromUtf8(sample.readAll()) : QString());
    }();
    return text;
}

QStringList flagColumns()
{
    QStringList columns;
    for (const char* p : processes)
        for (const char* c : categories)
            columns << QStringLiteral("%1_%2").arg(QLatin1String(p), QLatin1String(c));
    return columns;
}

QString schema(const QStringList& flags)
{
    QString sql = QStringLiteral("CREATE TABLE \"Processes\" (\"ABBR\" TEXT COLLATE NOCASE, \"FULLNAME\" TEXT COLLATE NOCASE, "
                                 "\"SORTKEY\" INTEGER");
    for (const char* c : categories)
        sql += QStringLiteral(", \"%1\" BOOLEAN NOT NULL DEFAULT 0").arg(QLatin1String(c));
    sql += QStringLiteral(");\n");
    int sortKey = 0;
    for (const char* p : processes) {
        sql += QStringLiteral("INSERT INTO \"Processes\" VALUES ('%1', 'Generated process %1', %2").arg(QLatin1String(p)).arg(sortKey += 10);
        for (int i = 0; i < 9; ++i)
            sql += i < 3 ? QStringLiteral(", -1") : QStringLiteral(", 0");
        sql += QStringLiteral(");\n");
    }
    sql += QStringLiteral("CREATE TABLE \"Variables\" (\"variable\" TEXT COLLATE NOCASE UNIQUE, \"var_text\" TEXT, "
                          "\"order\" INTEGER, \"ADDENDA\" TEXT COLLATE NOCASE");
    for (const QString& flag : flags)
        sql += QStringLiteral(", \"%1\" BOOLEAN NOT NULL DEFAULT 0").arg(flag);
    return sql + QStringLiteral(");\n");
}

QString paragraphRows(const QStringList& flags, int count, Wording wording)
{
    Random random(20140106u);
    QString sql;
    for (int n = 0; n < count; ++n) {
        const QString name = QStringLiteral("QW-%1.%2").arg(400 + n / 100).arg(n % 100 + 1);
        QString text = name + QStringLiteral("  Generated paragraph\n\n");
        const int length = 1000 + random.below(2000);
        if (wording == Wording::Edition)
            text += editionText().paragraph(length - static_cast<int>(text.size()), random.next());
        while (text.size() < length) {
            if (random.below(150) == 0)
                text += QStringLiteral("base metal thickness ");
            text += QLatin1String(words[random.below(std::size(words))]);
            text += random.below(12) == 0 ? QStringLiteral(". ") : QStringLiteral(" ");
        }
        sql += QStringLiteral("INSERT INTO \"Variables\" VALUES ('%1', '%2', %3, NULL").arg(name, text).arg(n * 10);
        for (qsizetype f = 0; f < flags.size(); ++f)
            sql += random.below(100) < 12 ? QStringLiteral(", -1") : QStringLiteral(", 0");
        sql += QStringLiteral(");\n");
    }
    return sql;
}

// Repeats the paragraphs `size - 1` more times under new numbers and later places in the order.
QString repetitions(const QStringList& flags, int size)
{
    if (size <= 1)
        return {};
    QString flagList;
    for (const QString& flag : flags)
        flagList += QStringLiteral(", \"%1\"").arg(flag);
    QString sql = QStringLiteral("CREATE TABLE base AS SELECT * FROM \"Variables\";\n");
    for (int k = 1; k < size; ++k)
        sql += QStringLiteral("INSERT INTO \"Variables\" SELECT \"variable\" || '-%1', \"var_text\", \"order\" + %2, \"ADDENDA\"%3 FROM base;\n")
                   .arg(k)
                   .arg(k * 100000)
                   .arg(flagList);
    return sql + QStringLiteral("DROP TABLE base;\n");
}

}  // namespace

QString referenceDatabase(int size, Wording wording)
{
    QString cache = qEnvironmentVariable("VARNEL_BENCH_DIR");
    if (cache.isEmpty())
        cache = QDir::tempPath() + QStringLiteral("/varnel-bench");
    // The generation is part of the name: files of an earlier generator or builder (without the
    // builder's query indexes, say) are not taken for current ones.
    const QString dir = cache + QStringLiteral("/x%1-%2-%3")
                                    .arg(size)
                                    .arg(wording == Wording::Edition ? QStringLiteral("edition") : QStringLiteral("even"))
                                    .arg(generation);
    const QString path = dir + QStringLiteral("/qel0709.mdb");
    if (QFileInfo::exists(path))
        return dir;
    QDir().mkpath(dir);
    const QStringList flags = flagColumns();
    const QString password = varnel::databaseConnectString().mid(5);  // after ";pwd="
    dao::buildDatabase(path, {{QStringLiteral("schema"), schema(flags)},
                              {QStringLiteral("paragraphs"), paragraphRows(flags, 1500, wording)},
                              {QStringLiteral("repetitions"), repetitions(flags, size)}},
                       password);
    return dir;
}

QStringList searchWords(Wording wording, WordSet set, bool phrase)
{
    if (wording == Wording::Even)
        return phrase ? QStringList{QStringLiteral("base"), QStringLiteral("metal"), QStringLiteral("thickness")}
                      : QStringList{QStringLiteral("weld"), QStringLiteral("metal"), QStringLiteral("thickness")};
    if (phrase) {
        const QStringList& phrases = editionText().phrases();
        const qsizetype at = set == WordSet::Common ? 0 : set == WordSet::Middling ? 50 : phrases.size() * 3 / 4;
        return phrases.value(std::min<qsizetype>(at, phrases.size() - 1)).split(u' ');
    }
    // Words a person would search for (of four letters or more), from the commonest of the
    // edition, from the middle of its first hundred, or from among those it uses rarely.
    QStringList searched;
    for (const QString& word : editionText().words())
        if (word.size() >= 4)
            searched << word;
    const qsizetype from = set == WordSet::Common ? 0 : set == WordSet::Middling ? 50 : searched.size() * 3 / 4;
    return searched.mid(std::min<qsizetype>(from, std::max<qsizetype>(searched.size() - 3, 0)), 3);
}

}  // namespace bench
