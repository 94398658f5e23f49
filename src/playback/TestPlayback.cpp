#include "TestPlayback.h"

TestPlayback::TestPlayback(const LedSequence& sequence, const ProgramSettings& settings,
                           QObject* parent)
    : QObject(parent)
    , m_sequence(sequence)
    , m_settings(settings)
{
}

void TestPlayback::start()
{
    if (m_running)
        return;
    m_running = true;
    emit runningChanged(true);
}

void TestPlayback::stop()
{
    if (!m_running)
        return;
    m_running = false;
    emit runningChanged(false);
    emit finished();
}

void TestPlayback::hold()
{
    ++m_holds;
}

void TestPlayback::release()
{
    if (m_holds > 0)
        --m_holds;
}
