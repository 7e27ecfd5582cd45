#include "app/application_setup.h"

#include "app/version.h"
#include "platform/ui/accessible_names.h"
#include "platform/ui/form_font.h"
#include "platform/ui/window_geometry.h"

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <malloc.h>

namespace varnel {

namespace {

// What Qt says while the application object opens the display. A platform that cannot be opened
// ends in a fatal message, after warnings of its own; all of it gives way to one line of ours.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QList<HeldMessage> heldMessages;
const char* openingProgram = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.file, context.function, context.category, context.line, text});
        return;
    }
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        std::fprintf(stderr, "%s: no display could be opened (DISPLAY=%s)\n", openingProgram, display);
    else
        std::fprintf(stderr, "%s: no display could be opened (DISPLAY is not set)\n", openingProgram);
    std::fflush(stderr);
    // Qt is half set up here: nothing of it may run on the way out.
    std::_Exit(1);
}

}  // namespace

void printUsage(const ProgramUsage& program, std::FILE* to)
{
    const char* lead = "Usage: ";
    for (const QByteArray& form : QByteArray(program.synopsis).split('\n')) {
        std::fprintf(to, "%s%s\n", lead, form.constData());
        lead = "       ";
    }
}

std::optional<int> answerUsageRequest(const ProgramUsage& program, int argc, char** argv)
{
    if (argc != 2)
        return std::nullopt;
    if (std::strcmp(argv[1], "--help") == 0) {
        printUsage(program, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", program.name, qPrintable(versionText()));
        return 0;
    }
    return std::nullopt;
}

std::unique_ptr<QApplication> openDisplay(const ProgramUsage& program, int& argc, char** argv)
{
    openingProgram = program.name;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& m : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                         m.function.isNull() ? nullptr : m.function.constData(),
                                         m.category.isNull() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    return application;
}

QIcon programIcon(const QString& program)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size), QSize(size, size));
    return icon;
}

void setUpApplication(const QString& title, const QString& desktopId)
{
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(QStringLiteral("Quorbel software"));
    QGuiApplication::setDesktopFileName(desktopId);
    // Every window shows the program's icon: the desktop entry's name ends in the program's.
    QApplication::setWindowIcon(programIcon(desktopId.section(u'.', -1)));
    platform::ui::useFormFont();
    // Memory freed at the top of the heap stays with the program up to 256 MB instead of going
    // back to the system after every step: each search and list frees and takes again much the
    // same memory, and handing it back and forth cost milliseconds a step. The peak is the same.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    platform::ui::nameControlsForAssistiveTechnology();
    platform::ui::keepWindowsWhole();
}

}  // namespace varnel
