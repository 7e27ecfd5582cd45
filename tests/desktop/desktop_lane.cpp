#include "desktop/desktop_lane.h"

#include "app/registry_module.h"
#include "interpretations/sorvik_core.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <set>
#include <sys/types.h>

namespace lane {

using testing_support::builtDataDir;
using testing_support::waitFor;

TitleMatch beginsWith(const QString& beginning)
{
    return [beginning](const QString& title) { return title.startsWith(beginning); };
}

TitleMatch titled(const QString& title)
{
    return [title](const QString& t) { return t == title; };
}

void DesktopLane::SetUp()
{
    MainWindowTest::SetUp();
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "The desktop lane needs xdotool (Debian package xdotool)";
    const QString themes = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes/libq");
    if (!platformTheme().isEmpty() && !QFile::exists(themes + platformTheme() + QStringLiteral(".so")))
        GTEST_SKIP() << "Qt's platform theme " << platformTheme().toStdString() << " is not installed (qt6-gtk-platformtheme)";
    const QString why = desktop.start(screenSize());
    if (!why.isEmpty())
        GTEST_SKIP() << "No X server with a window manager for the desktop lane: " << why.toStdString();
    for (const char* directory : {"config", "cache", "runtime"})
        QDir(home.path()).mkpath(QString::fromLatin1(directory));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A fresh account: no settings file of the person's own, so the programs find each other
    // through the system-wide file the build wrote beside them.
    QDir().mkpath(QFileInfo(settingsFile()).path());
}

void DesktopLane::TearDown()
{
    // The programs' own children (an interpretations program started from the main window) own
    // windows on this desktop; they end with the programs the case started, by their ids.
    std::set<long> ids;
    const QString programs = QFileInfo(builtDataDir()).canonicalFilePath();
    if (desktop.display()) {
        for (Window window : desktop.clientWindows()) {
            const long id = desktop.pid(window);
            const QFileInfo executable(QStringLiteral("/proc/%1/exe").arg(id));
            if (id > 0 && QFileInfo(executable.symLinkTarget()).path() == programs)
                ids.insert(id);
        }
    }
    for (const auto& program : programs_)
        ids.erase(program->processId());
    for (long id : ids)
        ::kill(static_cast<pid_t>(id), SIGKILL);
    for (const auto& program : programs_) {
        program->kill();
        program->waitForFinished(5000);
    }
    programs_.clear();
    sorvik_.reset();
    varnel::resetSorvikCore();
    MainWindowTest::TearDown();
}

bool DesktopLane::enter(Window window, const QWidget* box, const QString& text, const QWidget* result)
{
    const QImage before = look(window, result);
    desktop.click(on(window, box));
    desktop.type(text);
    desktop.press(QStringLiteral("Return"));
    return waitForChange(window, result, before);
}

QString DesktopLane::settingsFile() const
{
    return home.filePath(QStringLiteral("config/Quorbel software/settings.ini"));
}

void DesktopLane::startProgram(const QString& name, const QStringList& arguments, const QStringList& environment)
{
    QProcessEnvironment variables = desktop.environment();
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    variables.insert(QStringLiteral("HOME"), home.path());
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    variables.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    if (!platformTheme().isEmpty())
        variables.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), platformTheme());
    for (const QString& entry : environment) {
        const qsizetype equals = entry.indexOf(u'=');
        variables.insert(entry.left(equals), entry.mid(equals + 1));
    }
    auto program = std::make_unique<QProcess>();
    program->setProcessEnvironment(variables);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->start(QDir(builtDataDir()).filePath(name), arguments);
    ASSERT_TRUE(program->waitForStarted(10000)) << name.toStdString();
    programs_.push_back(std::move(program));
}

Window DesktopLane::startMainWindow(const QStringList& environment)
{
    startProgram(QStringLiteral("varnel"), {}, environment);
    const Window main = waitForWindow(beginsWith(QStringLiteral("Varnel    (")));
    EXPECT_NE(main, 0u) << "The main window did not come";
    if (main) {
        EXPECT_TRUE(waitUntilDrawn(main));
    }
    return main;
}

std::vector<Window> DesktopLane::windows(const TitleMatch& match)
{
    std::vector<Window> found;
    for (Window window : desktop.clientWindows())
        if (match(desktop.title(window)))
            found.push_back(window);
    return found;
}

Window DesktopLane::waitForWindow(const TitleMatch& match, int milliseconds)
{
    Window found = 0;
    QImage screen;
    waitFor([&] {
        const std::vector<Window> matching = windows(match);
        for (Window window : matching)
            if (desktop.viewable(window))
                found = window;
        if (!found)
            screen = desktop.grab(QRect(QPoint(0, 0), screenSize()));
        return found != 0;
    }, milliseconds);
    screenBeforeWindow_ = screen;
    windowWaitedFor_ = found;
    return found;
}

bool DesktopLane::waitUntilGone(const TitleMatch& match, int milliseconds)
{
    return waitFor([&] { return windows(match).empty(); }, milliseconds);
}

bool DesktopLane::waitUntilDrawn(Window window, const QImage& before, int milliseconds)
{
    const QImage screen = !before.isNull() ? before : window == windowWaitedFor_ ? screenBeforeWindow_ : QImage();
    return waitFor([&] {
        const QRect area = desktop.clientRect(window) & QRect(QPoint(0, 0), screenSize());
        const QImage image = desktop.grab(area);
        if (image.isNull())
            return false;
        if (!screen.isNull())
            return image != screen.copy(area);
        const QRgb first = image.pixel(0, 0);
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (image.pixel(x, y) != first)
                    return true;
        return false;
    }, milliseconds);
}

std::set<Window> DesktopLane::shownNow()
{
    std::set<Window> shown;
    for (Window window : desktop.clientWindows())
        shown.insert(window);
    return shown;
}

Window DesktopLane::openedSince(const std::set<Window>& before, const std::function<void()>& action)
{
    const QImage screen = desktop.grab(QRect(QPoint(0, 0), screenSize()));
    action();
    Window found = 0;
    waitFor([&] {
        for (Window window : desktop.clientWindows())
            if (!before.count(window) && desktop.viewable(window))
                found = window;
        return found != 0;
    }, 20000);
    if (found) {
        EXPECT_TRUE(waitUntilDrawn(found, screen));
        EXPECT_TRUE(waitUntilFocused(found)) << "the window did not get the focus";
    }
    return found;
}

bool DesktopLane::closeAllBut(Window keep)
{
    const auto others = [&] {
        std::vector<Window> left;
        for (Window w : desktop.clientWindows())
            if (w != keep)
                left.push_back(w);
        return left;
    };
    for (int tries = 0; tries < 5 && !others().empty(); ++tries) {
        const Window front = others().back();
        desktop.activate(front);
        if (!waitFor([&] { return desktop.activeWindow() == front; }))
            continue;
        desktop.press(QStringLiteral("alt+F4"));
        waitFor([&] {
            const std::vector<Window> left = others();
            return std::find(left.begin(), left.end(), front) == left.end();
        }, 20000);
    }
    return others().empty();
}

bool DesktopLane::waitUntilFocused(Window window, int milliseconds)
{
    return waitFor([&] { return desktop.activeWindow() == window; }, milliseconds);
}

varnel::varnelMain& DesktopLane::mainTwin()
{
    if (!twinShown_) {
        twinShown_ = true;
        startOnSample(true);
    }
    return *window;
}

varnel::sorvikMain& DesktopLane::sorvikTwin()
{
    if (!sorvik_) {
        mainTwin();
        testing_support::copyInto(builtDataDir() + QStringLiteral("/intasme.mdb"), data.path());
        varnel::writeInterpretationsSetting(QStringLiteral("program path"), data.path());
        sorvik_ = std::make_unique<varnel::sorvikMain>();
        sorvik_->show();
    }
    return *sorvik_;
}

QPoint DesktopLane::on(Window window, const QWidget* control) const { return on(window, control, control->rect()); }

QPoint DesktopLane::on(Window window, const QWidget* control, const QRect& area) const
{
    return const_cast<DesktopLane*>(this)->desktop.clientRect(window).topLeft()
         + control->mapTo(control->window(), area.center());
}

QRect DesktopLane::screenRect(Window window, const QWidget* control) const
{
    const QPoint topLeft = const_cast<DesktopLane*>(this)->desktop.clientRect(window).topLeft()
                         + control->mapTo(control->window(), QPoint(0, 0));
    return QRect(topLeft, control->size());
}

void DesktopLane::snapshot(const QString& name)
{
    const QString directory = qEnvironmentVariable("VARNEL_LANE_SCREENSHOTS");
    if (directory.isEmpty())
        return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    desktop.grab(QRect(QPoint(0, 0), screenSize()))
        .save(QDir(directory).filePath(QString::fromLatin1(test->name()) + u'-' + name + QStringLiteral(".png")));
}

QImage DesktopLane::look(Window window, const QWidget* control) { return desktop.grab(screenRect(window, control)); }

bool DesktopLane::showsGreen(Window window, const QWidget* control)
{
    const QImage image = look(window, control).convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(),
                       [](QRgb p) { return qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60; });
}

bool DesktopLane::waitForChange(Window window, const QWidget* control, const QImage& before, int milliseconds)
{
    return waitFor([&] { return look(window, control) != before; }, milliseconds);
}

}  // namespace lane
