// The start-up benchmark's yardsticks: a minimal Qt program that opens one window and, once that
// window has been painted, writes "painted" on standard output and ends. Given "--splash-first"
// it first shows a frameless window of the start-up window's size with a caption, waits for its
// paint, closes it and only then opens the window: the least a program costs that shows a
// start-up window before its main window.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// A label that runs `painted` once, after its first paint has finished.
class Window final : public QLabel {
public:
    Window(const QString& text, std::function<void()> painted) : QLabel(text), painted_(std::move(painted)) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (painted_) {
            QTimer::singleShot(0, qApp, painted_);
            painted_ = nullptr;
        }
    }

private:
    std::function<void()> painted_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window(QStringLiteral("A minimal window"), [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    window.resize(640, 480);
    const bool splashFirst = QCoreApplication::arguments().contains(QStringLiteral("--splash-first"));
    Window splash(QStringLiteral("A start-up window"), [&] {
        splash.close();
        window.show();
    });
    if (splashFirst) {
        splash.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        splash.resize(480, 280);
        splash.show();
    } else {
        window.show();
    }
    return app.exec();
}
