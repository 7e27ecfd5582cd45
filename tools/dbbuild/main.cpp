// Builds a database file from SQL text at build time: varnel_dbbuild OUT.mdb [--password P] FILE.sql...
// The SQL files run in the order given. A failing statement is reported with its file and line,
// and no output file is left behind.

#include "platform/dao/builder.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "varnel_dbbuild: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString usage = QStringLiteral("usage: varnel_dbbuild OUT.mdb [--password P] FILE.sql...");
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty())
        return fail(usage);
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
