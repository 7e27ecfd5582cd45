// The start-up benchmark's yardstick: a minimal Qt program that opens one window and, once that
// window has been painted, writes "painted" on standard output and ends.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

class Window final : public QLabel {
public:
    Window() : QLabel(QStringLiteral("A minimal window")) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
