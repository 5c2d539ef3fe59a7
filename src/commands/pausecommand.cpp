#include "pausecommand.h"

#include <QtCore/QTimerEvent>
#include <QtCore/QtGlobal>

namespace Marrowick {

PauseCommand::PauseCommand(int milliseconds, QObject *parent)
    : Command(parent)
    , m_duration(qMax(0, milliseconds))
{ }

PauseCommand::~PauseCommand() = default;

int PauseCommand::duration() const
{
    return m_duration;
}

void PauseCommand::exec()
{
    if (m_timer.isActive())
        return;
    Q_EMIT start(this);
    // A coarse timer may fire a little early, and a pause is a promise of at least this long.
    m_timer.start(m_duration, Qt::PreciseTimer, this);
}

void PauseCommand::finish()
{
    if (m_timer.isActive())
        endWait();
}

void PauseCommand::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        endWait();
    else
        Command::timerEvent(event);
}

void PauseCommand::endWait()
{
    m_timer.stop();
    Q_EMIT done(this);
}

} // namespace Marrowick
