// SPDX-License-Identifier: MIT
#pragma once

#include "DoubleClickGuard.h"
#include "TimeAxisPainter.h"

#include <QColor>
#include <QWidget>

// The numbered time axis under the grid: one small label per event showing the
// last digit of its number (1..9, 0, 1..). The last event of the sequence is
// marked in red and a larger font; the event the visual test shows has a grey
// background. A double-click on a label reports its event.
//
// From the keyboard (it takes focus with Tab): Left/Right, Home/End move the
// focused label; Enter or Space on it reports it exactly as a double-click does.
class TimeAxisWidget : public QWidget {
    Q_OBJECT
public:
    explicit TimeAxisWidget(int eventCount, QWidget* parent = nullptr);

    static QString labelText(int event);

    // The zoom the axis is drawn at; the window hands it down.
    Zoom zoom() const { return m_zoom; }
    void setZoom(Zoom zoom);

    int markedEvent() const { return m_marked; }
    void setMarkedEvent(int event);

    // -1 when no event is highlighted.
    int highlightedEvent() const { return m_highlighted; }
    void setHighlightedEvent(int event);

    // Appearance of one label, for views and tests alike.
    QColor textColor(int event) const;
    qreal pointSize(int event) const;
    QColor backgroundColor(int event) const;

    QPoint labelCenter(int event) const;
    QRect labelRect(int event) const;
    int eventCount() const { return m_eventCount; }
    // The label the keyboard is on (-1 before the axis first had the focus).
    int focusedEvent() const { return m_focused; }
    QSize sizeHint() const override;

signals:
    void doubleClicked(int event);
    // Also when set to the event it already marked.
    void markedEventChanged(int previous, int current);
    // Also when the axis takes the focus back on the same label.
    void focusedEventChanged(int event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void focusLabel(int event);
    void moveTo(int& slot, int event);
    TimeAxisPainter::Labels labels() const;
    int eventAt(QPoint position) const;

    int m_eventCount;
    Zoom m_zoom;
    int m_marked = -1;
    int m_highlighted = -1;
    int m_focused = -1;
    DoubleClickGuard m_doubleClicks;
};
