#ifndef MARROWICK_PAUSECOMMAND_H
#define MARROWICK_PAUSECOMMAND_H

#include "command.h"
#include "marrowick_export.h"

#include <QtCore/QBasicTimer>

namespace Marrowick {

/**
 * Waits a given time: done() follows exec() after that many milliseconds, a
 * breath between two steps of a chain. A pause of 0 ms ends on the next pass
 * of the event loop, so that the game's window can draw what the steps
 * before it changed.
 *
 * @code
 * auto turn = new Marrowick::CompositeCommand;
 * turn->addCommand(new Marrowick::AnimationCommand(dealAnimation));
 * turn->addCommand(new Marrowick::PauseCommand(800));   // let the player look
 * turn->addCommand(new Marrowick::AnimationCommand(collectAnimation));
 * turn->exec();
 * @endcode
 *
 * Signals: exec() emits start() and starts the wait; done() follows once,
 * from the event loop, never inside exec(). finish() during a wait ends it
 * with done() at once; outside a wait it does nothing. exec() during a wait
 * changes nothing; after done() it waits again, the whole time. After
 * finish() the command is safe to delete.
 *
 * Ownership: nothing but its own timer. Threading: the game's thread, which
 * must run an event loop for the wait to end.
 */
class MARROWICK_EXPORT PauseCommand : public Command
{
    Q_OBJECT

public:
    /// A pause of @p milliseconds; a negative time counts as 0. @p parent is the QObject parent.
    explicit PauseCommand(int milliseconds, QObject *parent = nullptr);
    ~PauseCommand() override;

    /// The time that a run waits, in milliseconds.
    int duration() const;

    /// Emits start() and starts the wait; done() follows from the event loop. Nothing during a wait.
    void exec() override;
    /// Ends a wait at once with done(); nothing outside a wait.
    void finish() override;

protected:
    /// Ends the wait when its time is up.
    void timerEvent(QTimerEvent *event) override;

private:
    void endWait();

    int m_duration;
    QBasicTimer m_timer; // a plain timer id rather than a QTimer: games chain many pauses
};

} // namespace Marrowick

#endif
