// The figure tool and the sample figures: scripts draw what they say, faulty scripts are refused
// with their line, and every figure the sample databases name is built and readable by content.

#include "support/file_bytes.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QString toolPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tools/varnel-figures"));
}

QString sourceDir() { return testing_support::sourceDir(); }
QString runtimeDir() { return testing_support::builtDataDir(); }

// Reads a picture whatever its extension, as the figure viewer does.
QImage readByContent(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

struct ToolRun {
    int exitCode = -1;
    QString errors;
    QString output;
};

ToolRun runTool(const QTemporaryDir& dir, const QByteArray& script)
{
    const QString source = dir.filePath(QStringLiteral("figure.fig"));
    EXPECT_TRUE(testing_support::writeBytes(source, script));
    ToolRun run;
    run.output = dir.filePath(QStringLiteral("system/figure.dll"));
    QProcess tool;
    tool.start(toolPath(), {source, run.output});
    EXPECT_TRUE(tool.waitForFinished(30000)) << qPrintable(toolPath());
    run.exitCode = tool.exitCode();
    run.errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return run;
}

// The [picture] names of the [Graphics] rows of one sample SQL file.
QStringList pictureNames(const QString& sqlFile)
{
    QFile file(sqlFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(sqlFile);
    const QByteArray sql = file.readAll();
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    QStringList names;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT picture FROM Graphics", -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return names;
}

TEST(FigureTool, DrawsTheScriptAsABitmapReadableByContent)
{
    QTemporaryDir dir;
    const ToolRun run = runTool(dir, "# a black square on white\nsize 40 30\nbrush black\nrect 10 10 10 10\n"
                                 "text 2 28 \"two words\"\n");
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    const QImage image = readByContent(run.output);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(QImageReader::imageFormat(run.output), "bmp");
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 5), QColor(Qt::white));
}

TEST(FigureTool, RefusesFaultyScriptsNamingTheLine)
{
    struct Case {
        const char* script;
        int line;  // 0: the fault belongs to no single line
        const char* says;
    };
    const Case cases[] = {
        {"pen 2\n", 1, "size"},
        {"# only a comment\n", 0, "size is missing"},
        {"size 10 10\nsize 20 20\n", 2, "once"},
        {"size 99999 10\n", 1, "between"},
        {"size 10 10\n\nsquiggle 1 2\n", 3, "unknown command"},
        {"size 10 10\nline 1 2 x 4\n", 2, "not a number"},
        {"size 10 10\nrect 1 2 3\n", 2, "4 numbers"},
        {"size 10 10\npolygon 1 2 3 4\n", 2, "three"},
        {"size 10 10\npen 1 notacolour\n", 2, "colour"},
        {"size 10 10\ntext 1 2 \"open\n", 2, "not closed"},
        {"size 10 10\ndash maybe\n", 2, "on or off"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const ToolRun run = runTool(dir, c.script);
        EXPECT_NE(run.exitCode, 0) << c.script;
        EXPECT_TRUE(run.errors.contains(QLatin1String(c.says))) << c.script << qPrintable(run.errors);
        const bool namesLine = run.errors.contains(QRegularExpression(QStringLiteral("figure\\.fig:%1: ").arg(c.line)));
        EXPECT_EQ(namesLine, c.line > 0) << c.script << qPrintable(run.errors);
        EXPECT_FALSE(QFile::exists(run.output)) << c.script;
    }
}

TEST(SampleFigures, EveryScriptIsBuiltAtItsDeclaredSize)
{
    const QDir scripts(sourceDir() + QStringLiteral("/data/sample/figures"));
    const QStringList names = scripts.entryList({QStringLiteral("*.fig")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    const QRegularExpression sizeLine(QStringLiteral("^size (\\d+) (\\d+)$"), QRegularExpression::MultilineOption);
    for (const QString& name : names) {
        QFile script(scripts.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::ReadOnly | QIODevice::Text));
        const auto match = sizeLine.match(QString::fromUtf8(script.readAll()));
        ASSERT_TRUE(match.hasMatch()) << qPrintable(name);
        const QString built = runtimeDir() + QStringLiteral("/system/") + QFileInfo(name).completeBaseName() + QStringLiteral(".dll");
        const QImage image = readByContent(built);
        ASSERT_FALSE(image.isNull()) << qPrintable(built);
        EXPECT_EQ(image.size(), QSize(match.captured(1).toInt(), match.captured(2).toInt())) << qPrintable(name);
    }
}

TEST(SampleFigures, EveryGraphicsRowOfTheSampleDatabasesHasItsFigure)
{
    for (const char* sql : {"/data/sample/qel0709.sql", "/data/testdata/qel0102.sql"}) {
        const QStringList pictures = pictureNames(sourceDir() + QLatin1String(sql));
        EXPECT_FALSE(pictures.isEmpty()) << sql;
        for (const QString& picture : pictures)
            EXPECT_TRUE(QFile::exists(sourceDir() + QStringLiteral("/data/sample/figures/") + picture + QStringLiteral(".fig")))
                << sql << " names " << qPrintable(picture);
    }
}

} // namespace
