#include "deferredstep.h"

#include <QtCore/QTimer>

#include <utility>

DeferredStep::DeferredStep(std::function<void()> work, QObject *parent)
    : Command(parent)
    , m_work(std::move(work))
{ }

void DeferredStep::exec()
{
    m_scheduled = true;
    Q_EMIT start(this);
    QTimer::singleShot(0, this, &DeferredStep::complete);
}

void DeferredStep::finish()
{
    complete();
}

void DeferredStep::complete()
{
    // The timer still fires after finish() has done the work.
    if (!m_scheduled)
        return;
    m_scheduled = false;
    m_work();
    Q_EMIT done(this);
}
