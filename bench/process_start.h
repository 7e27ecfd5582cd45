#pragma once
// Times a whole program start: from starting the process to the line it writes on standard output
// when its window has been painted (both the program and the minimal Qt program write "painted"),
// less the milliseconds that the program may write after it as the time it waited on purpose.

#include <QString>
#include <QStringList>

namespace bench {

struct ProcessStart {
    double seconds = 0;      // from starting the process to its line, less its wait; negative when none came
    double peakRssMb = 0;    // the process's peak resident memory up to its line; 0 when unknown
};

// Starts `program` with this process's environment, each "NAME=value" entry of `environment`
// taking the place of the variable of that name, waits up to a minute for its first line and then
// for its end.
ProcessStart timeProcessStart(const QString& program, const QStringList& environment,
                              const QStringList& arguments = {});

}  // namespace bench
