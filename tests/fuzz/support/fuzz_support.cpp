#include "support/fuzz_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

QString utf8Text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

bool isValidUtf8(std::string_view bytes)
{
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QByteArray back = text.toUtf8();
    return std::string_view(back.constData(), static_cast<std::size_t>(back.size())) == bytes;
}

void fail(const char* property, const std::string& detail)
{
    std::fprintf(stderr, "\n==== property broken: %s\n==== %s\n", property, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

QString scratchDirectory()
{
    // In memory where the system offers it: some targets write a file for every input.
    static QTemporaryDir directory(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/varnel-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/varnel-fuzz-XXXXXX"));
    return directory.path();
}

QString dataDirectory()
{
    static const QString directory = [] {
        const QString made = scratchDirectory() + QStringLiteral("/data");
        QDir().mkpath(made);
        return made;
    }();
    return directory;
}

QString writeDataFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dataDirectory() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("the input is written to a file", path.toStdString());
    return path;
}

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says for every window that it cannot pass size hints on; nothing else is
// dropped.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        qtHandler(type, context, message);
}

}  // namespace

void ensureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString config = scratchDirectory() + QStringLiteral("/config");
    const QString runtime = scratchDirectory() + QStringLiteral("/runtime");
    const QString cache = scratchDirectory() + QStringLiteral("/cache");
    QDir().mkpath(config);
    QDir().mkpath(cache);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
    // Temporary files (a settings file written for every input) go to the scratch directory too.
    qputenv("TMPDIR", scratchDirectory().toLocal8Bit());
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qtHandler = qInstallMessageHandler(quietOffscreenWarnings);
    new QApplication(argc, argv);  // lives as long as the process
}

}  // namespace fuzzing

// Libraries that keep memory for the life of the process on purpose: what they hold at a run's end
// is no leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

// Freed memory is held back from reuse to catch late uses of it; a window made and destroyed for
// every input frees a lot, and 64 MB of it still spans several inputs while keeping the process
// small and fast. ASAN_OPTIONS overrides it.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=64"; }
