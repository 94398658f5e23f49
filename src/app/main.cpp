#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strobix"));
    QApplication::setApplicationVersion(QStringLiteral(STROBIX_VERSION));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
