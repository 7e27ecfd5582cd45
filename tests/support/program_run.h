#pragma once
// Runs another program to its end, as the tests of the installed tree, the package and the set-up
// scripts do: its status and what it wrote.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

struct Finished {
    bool ended = false;  // false: it was still running when the time was up, and was killed
    int exitCode = -1;
    QString output;      // standard output and error together
};

// Runs a program to its end, at most `seconds` long.
inline Finished runToEnd(const QString& program, const QStringList& arguments, int seconds,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForStarted()) {
        result.output = program + QStringLiteral(" did not start: ") + process.errorString();
        return result;
    }
    result.ended = process.waitForFinished(seconds * 1000);
    if (!result.ended) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

}  // namespace testing_support
