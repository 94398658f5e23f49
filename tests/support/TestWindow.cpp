// SPDX-License-Identifier: MIT
#include "TestWindow.h"

#include "ClickableLabel.h"
#include "LampWidget.h"
#include "ScriptedPrompts.h"
#include "SequenceGrid.h"
#include "TimeAxisWidget.h"

#include <QFile>
#include <QTest>

TestWindow::TestWindow(const QByteArray& configContent)
{
    if (!configContent.isNull()) {
        QFile file(configPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(configContent);
    }
    m_window = std::make_unique<WindowUnderTest>(configPath());
    auto prompts = std::make_unique<ScriptedPrompts>();
    m_prompts = prompts.get();
    m_window->setPromptBackend(std::move(prompts));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

TestWindow::~TestWindow() = default;

QString TestWindow::configPath() const
{
    return m_dir.filePath(QStringLiteral("LED.cfg"));
}

void TestWindow::click(QWidget* widget, QPoint position, Qt::MouseButton button)
{
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    QTest::mousePress(window, button, Qt::NoModifier, at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
}

SequenceGrid* WindowUnderTest::grid() const
{
    return named<SequenceGrid>(ObjectNames::SequenceGrid);
}

TimeAxisWidget* WindowUnderTest::timeAxis() const
{
    return named<TimeAxisWidget>(ObjectNames::TimeAxis);
}

ClickableLabel* WindowUnderTest::ledLabel(int led) const
{
    return perLed<ClickableLabel>(ObjectNames::LedLabel, led);
}

LampWidget* WindowUnderTest::lamp(int led) const
{
    return perLed<LampWidget>(ObjectNames::Lamp, led);
}
