// varnel_jetconvert JET OUT: converts the Jet (Access) database file JET into a database file of
// our own format at OUT. The program runs it as a child process, so that a damaged file that
// crashes the Jet library ends this process and not the program.
//
// Exit status 0: converted. 1: JET cannot be read as a Jet database, or reading it was stopped
// by a limit of the child (sandbox.h). 2: wrong use, or OUT cannot be written. On failure the last
// line of standard error is "varnel_jetconvert: " and the reason.

#include "jet_reader.h"
#include "sandbox.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

int fail(int status, const QString& reason)
{
    std::fprintf(stderr, "%s%s\n", jetconvert::reasonPrefix, reason.toUtf8().constData());
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return fail(2, QStringLiteral("usage: varnel_jetconvert JET OUT"));
    // The conversion depends on the file alone: none of the library's settings from the
    // environment (debug output, character sets, a search path) applies.
    for (const char* name : {"MDBOPTS", "MDBICONV", "MDB_JET3_CHARSET", "MDBPATH"})
        unsetenv(name);
    const QString jet = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const qint64 size = QFileInfo(jet).size();
    try {
        jetconvert::convertFile(jet, out, [size] { jetconvert::confine(size); });
    } catch (const jetconvert::ConversionError& error) {
        return fail(error.kind() == jetconvert::ConversionError::Kind::CannotWrite ? 2 : 1, error.reason());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s%s\n", jetconvert::reasonPrefix, jetconvert::outOfMemoryReason());
        return 1;
    }
    return 0;
}
