// SPDX-License-Identifier: MIT
#include "GridPainter.h"
#include "SequenceGrid.h"
#include "TestWindow.h"
#include "TimeAxisPainter.h"
#include "TimeAxisWidget.h"
#include "Zoom.h"

#include <QPainter>
#include <QSettings>
#include <QTest>

// The painting code draws at the zoom it is handed, not at one the program
// keeps: the grid and the time axis painted for 200% into a picture, as the
// animated pictures paint them, are the window's own at 200%, pixel for pixel.
class RenderScaleTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void gridAsTheWindowShowsIt_data();
    void gridAsTheWindowShowsIt();
    void timeAxisAsTheWindowShowsIt();
};

namespace {

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A picture of the widget's size on the background grab() starts from.
QImage canvasFor(const QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(widget->palette().color(QPalette::Window));
    return image;
}

} // namespace

void RenderScaleTest::init()
{
    QSettings(QSettings::UserScope, QStringLiteral("Strobix"), QStringLiteral("Strobix")).clear();
}

void RenderScaleTest::gridAsTheWindowShowsIt_data()
{
    QTest::addColumn<int>("percent");
    for (int percent : {100, 200, 300})
        QTest::addRow("%d%%", percent) << percent;
}

void RenderScaleTest::gridAsTheWindowShowsIt()
{
    QFETCH(int, percent);
    TestWindow test;
    test->setZoomPercent(percent);
    QCOMPARE(test->zoomPercent(), percent);
    {
        SequenceSetUp setUp(test->document());
        for (auto [led, event] : {std::pair{0, 0}, {1, 7}, {2, 20}, {3, 49}})
            setUp->setCell(led, event, 1);
    }
    SequenceGrid* grid = test->grid();
    grid->clearFocus(); // no cursor: the pictures have none
    QTRY_VERIFY(!grid->hasFocus());

    const Zoom zoom(percent);
    QImage painted = canvasFor(grid);
    {
        QPainter painter(&painted);
        GridPainter::paintCells(painter, zoom, GridPainter::cellColors(grid->palette()),
                                test->sequence(), painted.rect());
    }
    const QImage shown = grabbed(grid);
    QCOMPARE(shown.size(), painted.size());
    QCOMPARE(shown.width(), GridGeometry::cellRect(zoom, 0, 49).right() + 1);
    QVERIFY(shown == painted);
}

void RenderScaleTest::timeAxisAsTheWindowShowsIt()
{
    TestWindow test;
    test->setZoomPercent(200);
    TimeAxisWidget* axis = test->timeAxis();
    axis->setMarkedEvent(11);
    axis->setHighlightedEvent(4);

    QImage painted = canvasFor(axis);
    {
        QPainter painter(&painted);
        TimeAxisPainter::paint(painter, Zoom(200), axis->palette(), {axis->eventCount(), 11, 4},
                               painted.rect());
    }
    const QImage shown = grabbed(axis);
    QCOMPARE(shown.size(), painted.size());
    QCOMPARE(shown.height(), Zoom(200).px(255));
    QVERIFY(shown == painted);
}

QTEST_MAIN(RenderScaleTest)
#include "tst_renderscale.moc"
