#include "pausecommand.h"

#include <QtCore/QtGlobal>

namespace Marrowick {

PauseCommand::PauseCommand(int milliseconds, QObject *parent)
    : Command(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire a little early, and a pause is a promise of at least this long.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(qMax(0, milliseconds));
    connect(&m_timer, &QTimer::timeout, this, &PauseCommand::endWait);
}

PauseCommand::~PauseCommand() = default;

int PauseCommand::duration() const
{
    return m_timer.interval();
}

void PauseCommand::exec()
{
    if (m_timer.isActive())
        return;
    Q_EMIT start(this);
    m_timer.start();
}

void PauseCommand::finish()
{
    if (m_timer.isActive())
        endWait();
}

void PauseCommand::endWait()
{
    m_timer.stop();
    Q_EMIT done(this);
}

} // namespace Marrowick
