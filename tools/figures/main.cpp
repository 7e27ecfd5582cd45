// varnel-figures SOURCE OUTPUT: draws one sample figure from its script and writes it as a BMP
// picture under whatever name OUTPUT has (the program's figure files end in ".dll").
#include "figure_script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform warns about a missing XDG_RUNTIME_DIR, which drawing never needs.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(u"QStandardPaths:"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

int fail(const QString& message)
{
    std::fprintf(stderr, "varnel-figures: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Text needs a GUI application; no display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: varnel-figures SOURCE OUTPUT"));
    const QString source = args[1];
    const QString output = args[2];

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    const FigureResult result = drawFigureScript(QString::fromUtf8(in.readAll()));
    if (result.image.isNull()) {
        const QString where = result.errorLine > 0 ? QStringLiteral("%1:%2").arg(source).arg(result.errorLine) : source;
        return fail(QStringLiteral("%1: %2").arg(where, result.error));
    }

    if (!QDir().mkpath(QFileInfo(output).absolutePath()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(output));
    QImageWriter writer(output, "bmp");
    // Sketches hold few colours: an 8-bit palette keeps the files small.
    if (!writer.write(result.image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    return 0;
}
