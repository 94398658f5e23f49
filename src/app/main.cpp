// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strobix"));
    QApplication::setApplicationVersion(QStringLiteral(STROBIX_VERSION));
    // Lets the desktop match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("strobix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/strobix.svg")));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
