#ifndef MARROWICK_COMMAND_H
#define MARROWICK_COMMAND_H

#include "marrowick_export.h"

#include <QtCore/QObject>

namespace Marrowick {

/**
 * An asynchronous unit of work, such as one card animation.
 *
 * exec() starts the work; the command announces its start with start() and
 * the end of its work with done(), both carrying the command itself. A command
 * with nothing to wait for emits done() before exec() returns; one that waits
 * (for an animation, a timer, the player) emits it later from the event loop.
 * finish() asks a command to complete at once.
 *
 * Games derive their own commands and chain them with CompositeCommand (one
 * after another) or ParallelCommand (all at once); both are commands
 * themselves, so they nest.
 *
 * @code
 * class Pause : public Marrowick::Command
 * {
 * public:
 *     explicit Pause(int milliseconds)
 *     {
 *         m_timer.setSingleShot(true);
 *         m_timer.setInterval(milliseconds);
 *         connect(&m_timer, &QTimer::timeout, this, [this] { Q_EMIT done(this); });
 *     }
 *     void exec() override
 *     {
 *         Q_EMIT start(this);
 *         m_timer.start();
 *     }
 *     void finish() override { m_timer.stop(); }
 *
 * private:
 *     QTimer m_timer;
 * };
 * @endcode
 *
 * What the composites expect of every command they run:
 * - after exec(), done() is emitted once when the work is over, inside exec()
 *   or later;
 * - both signals carry the emitting command itself;
 * - finish() may be called at any time, also while the command waits and
 *   before its exec() (a composite finishes the children it has not started
 *   yet too): it should leave the game as if the work had been done, such as
 *   a card at its destination. Once it returns the command must be safe to
 *   delete: an owning composite deletes it right away. Whether finish()
 *   emits done() is the command's choice; a CompositeCommand ignores it, a
 *   ParallelCommand counts it.
 *
 * Ownership: a command is deleted by its QObject parent, by a composite that
 * owns it, or by the game; Command adds no rule of its own. Never give a
 * command to an owning composite and a QObject parent both.
 *
 * Threading: commands live on the game's thread and are used from it only.
 * The composites rely on each done() reaching them as a direct call while the
 * signal is being emitted; do not move commands to another thread.
 *
 * Signals: Command itself emits neither. A derived command emits start() when
 * its work begins (the composites do so first thing in exec()) and done() once
 * per exec(), always for itself. The meta-object reports both signals as
 * protected; in C++ they are public so that games connect to them with
 * member-function pointers, but nothing but the command itself should emit
 * them.
 */
class MARROWICK_EXPORT Command : public QObject
{
    Q_OBJECT

public:
    /// A command with the given QObject @p parent, which deletes it like any child object.
    explicit Command(QObject *parent = nullptr);
    /// Nothing beyond QObject's destructor; connections to and from the command end.
    ~Command() override;

    /// Starts the command's work; done() follows when it is over, possibly before this returns.
    virtual void exec() = 0;
    /**
     * Completes the work at once. The command must be safe to delete when
     * this returns. The base implementation does nothing.
     */
    virtual void finish();

Q_SIGNALS:
    /// The command starts; the argument is the command itself.
    void start(Command *);
    /// The command's work is over; the argument is the command itself.
    void done(Command *);
};

} // namespace Marrowick

#endif
