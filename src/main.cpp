#include "app/version.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(varnel::programTitle());
    QMainWindow window;
    window.setWindowTitle(varnel::programTitle());
    window.resize(800, 600);
    window.show();
    return app.exec();
}
