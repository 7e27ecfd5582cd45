#include "app/varnel_title.h"

#include "app/default_data_directory.h"
#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "app/version.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <thread>

namespace varnel {

using platform::twipsRect;
using namespace platform::ui;

namespace {

const QColor backgroundTop(0x1f, 0x3f, 0x6f);  // the gradient's, darkening downwards

// Start-up benchmark only: announces the first paint of a watched window once that paint is done,
// and ends the program.
class FirstPaintAnnouncer final : public QObject {
public:
    FirstPaintAnnouncer(std::chrono::milliseconds wait, QObject* parent) : QObject(parent), wait_(wait) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The zero timer runs when the paint of the whole window has finished.
            QTimer::singleShot(0, qApp, [wait = wait_] {
                std::fprintf(stdout, "painted %lld\n", static_cast<long long>(wait.count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::chrono::milliseconds wait_;
};

}  // namespace

bool varnelTitle::startupBenchmark() { return qEnvironmentVariable("VARNEL_BENCH_STARTUP") == QLatin1String("1"); }

varnelTitle::varnelTitle(const QString& programDirectory, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelTitle"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(platform::twips(7200), platform::twips(4200));

    Label1[0] = new Label(programTitle(), this);
    Label1[0]->setGeometry(twipsRect(600, 900, 6000, 900));
    QFont titleFont = Label1[0]->font();
    titleFont.setPointSize(36);
    titleFont.setBold(true);
    Label1[0]->setFont(titleFont);
    Label1[1] = new Label(QStringLiteral("ASME IX - Quick Reference"), this);
    Label1[1]->setGeometry(twipsRect(600, 1900, 6000, 500));
    QFont subFont = Label1[1]->font();
    subFont.setPointSize(16);
    Label1[1]->setFont(subFont);
    Label1[2] = new Label({}, this);
    Label1[2]->setGeometry(twipsRect(600, 3500, 6000, 300));
    // The window paints a gradient of this blue, and its captions take the text colour for it.
    setBackColor(*this, backgroundTop);

    if (startupBenchmark())
        wait = std::chrono::milliseconds(qEnvironmentVariableIntValue("VARNEL_BENCH_SPLASH_MS"));
    Form_Initialize(programDirectory);
    Form_Load();
}

void varnelTitle::Form_Initialize(const QString& programDirectory)
{
    VarnelCore& core = varnelCore();
    core.dataPathKey = versionedKey(QStringLiteral("data path"));
    core.defaultFileKey = versionedKey(QStringLiteral("default file"));
    writeSetting(QStringLiteral("program path"), programDirectory);
    // Read, not yet stored: the main window stores the directory and file once their file has
    // opened, so a start that ends before (the directory dialog cancelled, a file that cannot be
    // used) stores no choice.
    const auto storedOr = [](const QString& key, const QString& defaultValue) {
        const QString stored = readSectionSetting(settingsSection, key);
        return stored.isEmpty() ? defaultValue : stored;
    };
    core.dataPath = storedOr(core.dataPathKey, defaultDataDirectory(programDirectory, referenceFilePatterns));
    core.defaultFile = storedOr(core.defaultFileKey, QStringLiteral("qel0709.mdb"));
    core.firstActivation = true;
}

void varnelTitle::Form_Load()
{
    Label1[2]->setCaption(legalCopyright());
    platform::setPointer(platform::Pointer::Hourglass);
    centreOnScreen(*this);
}

void varnelTitle::Form_Activate()
{
    const auto start = std::chrono::steady_clock::now();
    repaint();
    try {
        varnelCore().mainWorkspace = &dao::Workspace::defaultWorkspace();
    } catch (...) {
        // A failure to start the engine shows later, when the database is opened.
    }
    // Under a window manager the window reaches the screen some time after it was shown, and
    // only a paint after that shows it: until then the wait serves the window's exposure and
    // painting, never the person's input. The rest of the wait serves nothing: the person sees
    // the window and nothing else happens.
    const auto end = start + wait;
    if (!paintedOnScreen_ && std::chrono::steady_clock::now() < end) {
        QEventLoop untilPainted;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &untilPainted, &QEventLoop::quit);
        deadline.start(std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()));
        painted_ = [&untilPainted] { untilPainted.quit(); };
        untilPainted.exec(QEventLoop::ExcludeUserInputEvents);
        painted_ = nullptr;
    }
    // The main window is built, placed and its file opened within the wait; what may end in a
    // message waits for the unload.
    if (prepareMainWindow)
        prepareMainWindow();
    std::this_thread::sleep_until(end);
    platform::setPointer(platform::Pointer::Default);
    close();
}

void varnelTitle::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (showMainWindow)
        showMainWindow();
    if (startupBenchmark()) {
        auto* announcer = new FirstPaintAnnouncer(wait, qApp);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != this && window->isVisible())
                window->installEventFilter(announcer);
    }
}

void varnelTitle::paintEvent(QPaintEvent*)
{
    // The zero timer runs once this paint has reached the window on the screen.
    if (!paintedOnScreen_ && windowHandle() && windowHandle()->isExposed()) {
        paintedOnScreen_ = true;
        QTimer::singleShot(0, this, [this] {
            if (painted_)
                painted_();
        });
    }
    QPainter p(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, backgroundTop);
    background.setColorAt(1, QColor(0x0f, 0x1f, 0x3f));
    p.fillRect(rect(), background);
    p.setPen(QPen(QColor(0xff, 0x9f, 0x2f), 3));
    p.drawLine(platform::twips(600), platform::twips(1850), platform::twips(6600), platform::twips(1850));
}

void varnelTitle::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    Form_Unload();
}

}  // namespace varnel
