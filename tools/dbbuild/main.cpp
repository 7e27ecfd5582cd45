// Builds a database file from SQL text at build time: varnel_dbbuild OUT.mdb [--password P] FILE.sql...
// The SQL files run in the order given. A failing statement is reported with its file and line,
// and no output file is left behind.
//
// varnel_dbbuild --from-jet JET OUT.mdb converts a Jet (Access) file into our own format once, for
// people who prefer a converted copy to the program's cache; the copy keeps the Jet file's
// password. The conversion runs in the converter program beside this one.

#include "platform/dao/builder.h"
#include "platform/dao/dao.h"
#include "platform/dao/jet_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "varnel_dbbuild: %s\n", qPrintable(message));
    return 1;
}

int fromJet(const QString& jet, const QString& out)
{
    const QFileInfo source(jet);
    const QFileInfo target(out);
    if (source.exists() && target.exists() && source.canonicalFilePath() == target.canonicalFilePath())
        return fail(QStringLiteral("the converted copy would replace the Jet file %1").arg(jet));
    try {
        dao::jet::convertFile(jet, out);
    } catch (const dao::Error& error) {
        return fail(error.description());
    }
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString usage = QStringLiteral("usage: varnel_dbbuild OUT.mdb [--password P] FILE.sql...\n"
                                         "       varnel_dbbuild --from-jet JET OUT.mdb");
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty())
        return fail(usage);
    if (arguments.first() == u"--from-jet") {
        if (arguments.size() != 3)
            return fail(usage);
        // The converter is looked for beside this program.
        QCoreApplication application(argc, argv);
        return fromJet(arguments[1], arguments[2]);
    }
    const QString out = arguments.takeFirst();
    QString password;
    if (!arguments.isEmpty() && arguments.first() == u"--password") {
        if (arguments.size() < 2)
            return fail(usage);
        arguments.removeFirst();
        password = arguments.takeFirst();
        if (password.isEmpty())
            return fail(QStringLiteral("the password is empty"));
    }
    if (arguments.isEmpty())
        return fail(usage);

    std::vector<dao::SqlSource> sources;
    for (const QString& path : arguments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        sources.push_back({path, QString::fromUtf8(file.readAll())});
    }
    try {
        dao::buildDatabase(out, sources, password);
    } catch (const dao::BuildError& error) {
        return fail(QString::fromStdString(error.what()));
    }
    return 0;
}
