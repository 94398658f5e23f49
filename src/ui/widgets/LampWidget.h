// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

// One lamp of the visual test: a filled circle.
class LampWidget : public QWidget {
    Q_OBJECT
public:
    explicit LampWidget(QWidget* parent = nullptr);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = Qt::black;
};
