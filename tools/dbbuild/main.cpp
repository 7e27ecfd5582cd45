// Builds a database file from SQL text at build time: varnel_dbbuild OUT.mdb [--password PASSWORD] FILE.sql...
// The SQL files run in the order given. A failing statement is reported with its file and line,
// and no output file is left behind.
//
// varnel_dbbuild --from-jet JET.mdb OUT.mdb converts a Jet (Access) file into our own format once, for
// people who prefer a converted copy to the program's cache; the copy keeps the Jet file's
// password. The conversion runs in the converter program beside this one.

#include "app/application_setup.h"
#include "platform/dao/builder.h"
#include "platform/dao/dao.h"
#include "platform/dao/jet_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

const varnel::ProgramUsage usage{"varnel_dbbuild", "varnel_dbbuild OUT.mdb [--password PASSWORD] FILE.sql...\n"
                                                   "varnel_dbbuild --from-jet JET.mdb OUT.mdb\n"
                                                   "varnel_dbbuild --help\n"
                                                   "varnel_dbbuild --version"};

int fail(const QString& message)
{
    std::fprintf(stderr, "varnel_dbbuild: %s\n", qPrintable(message));
    return 1;
}

// Wrong use: the usage on standard error, status 1.
int failUsage()
{
    std::fprintf(stderr, "varnel_dbbuild: the arguments fit no form of its usage:\n");
    varnel::printUsage(usage, stderr);
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
    if (const auto status = varnel::answerUsageRequest(usage, argc, argv))
        return *status;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty())
        return failUsage();
    if (arguments.first() == u"--from-jet") {
        if (arguments.size() != 3)
            return failUsage();
        // The converter is looked for beside this program.
        QCoreApplication application(argc, argv);
        return fromJet(arguments[1], arguments[2]);
    }
    const QString out = arguments.takeFirst();
    QString password;
    if (!arguments.isEmpty() && arguments.first() == u"--password") {
        if (arguments.size() < 2)
            return failUsage();
        arguments.removeFirst();
        password = arguments.takeFirst();
        if (password.isEmpty())
            return fail(QStringLiteral("the password is empty"));
    }
    if (arguments.isEmpty())
        return failUsage();

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
