// SPDX-License-Identifier: MIT
#include "ApplicationFont.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ApplicationFont {

void followZoom(int percent)
{
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF() * percent / 100);
    else
        font.setPixelSize(desktop.pixelSize() * percent / 100);
    QApplication::setFont(font);
    // Qt tells the windows only once the event loop has started; a zoom set at
    // start-up comes before that.
    QEvent change(QEvent::ApplicationFontChange);
    for (QWidget* window : QApplication::topLevelWidgets())
        QCoreApplication::sendEvent(window, &change);
}

} // namespace ApplicationFont
