#ifndef MARROWICK_EXAMPLES_DEFERREDSTEP_H
#define MARROWICK_EXAMPLES_DEFERREDSTEP_H

#include <marrowick/command.h>

#include <functional>

// A command that does its work later, from a zero timer, and then reports
// done: the chain it sits in moves on through the event loop rather than
// inside its own exec().
class DeferredStep : public Marrowick::Command
{
    Q_OBJECT

public:
    explicit DeferredStep(std::function<void()> work, QObject *parent = nullptr);

    // Emits start and schedules the work.
    void exec() override;
    // Does scheduled work at once and reports done; nothing when none is scheduled.
    void finish() override;

private:
    void complete();

    std::function<void()> m_work;
    bool m_scheduled = false;
};

#endif
