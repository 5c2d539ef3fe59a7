#ifndef MARROWICK_COMPOSITECOMMAND_H
#define MARROWICK_COMPOSITECOMMAND_H

#include "command.h"
#include "marrowick_export.h"

#include <QtCore/QList>

namespace Marrowick {

/**
 * Runs child commands one after another: each child starts when the one
 * before it has emitted done(), and after the last child's done() the
 * composite emits done() itself. A composite is a command, so it can be a
 * child of another CompositeCommand or of a ParallelCommand.
 *
 * @code
 * auto deal = new Marrowick::CompositeCommand;   // owns its children
 * deal->addCommand(new MoveCard(deck, hand));
 * deal->addCommand(new FlipCard(hand));
 * connect(deal, &Marrowick::Command::done, deal, &QObject::deleteLater);
 * deal->exec();
 * @endcode
 *
 * Signals: exec() emits start() first, before any child starts, and done()
 * once, after the last child's done(). Children that complete inside their own
 * exec() drive the run forward inside that call, so when all of them do, the
 * whole run including done() happens before exec() returns; an empty
 * composite emits start() and then done() inside exec(). Only a child's first
 * done() in a run counts: the step it starts disconnects the child. finish()
 * emits nothing, and no done() follows it.
 *
 * Ownership: with the owning flag set, the composite deletes the children
 * that finish() drops and those still in its list when it is destroyed; with
 * the flag clear the game owns them. The composite never becomes a child's
 * QObject parent. A child that the game deletes leaves the list at once: a
 * run waiting for it goes on with the next child. An owned child is in the
 * list once only (addCommand() ignores it the second time) and must have no
 * other owner.
 *
 * Threading: the game's thread only; each child's done() reaches the
 * composite through a direct call while it is being emitted.
 *
 * A completed composite can be run again with exec(): its children run once
 * more, in order. Start a new run only after the previous one has emitted
 * done(). A slot connected to done() may delete the composite with
 * deleteLater() only, as a child may still be inside its done() emission.
 */
class MARROWICK_EXPORT CompositeCommand : public Command
{
    Q_OBJECT

public:
    /**
     * An empty composite. With @p ownsCommands set it deletes its children
     * (see finish() and the destructor); @p parent is its QObject parent.
     */
    explicit CompositeCommand(bool ownsCommands = true, QObject *parent = nullptr);
    /**
     * Not available: a pointer given as the first argument would silently
     * convert to the owning flag. Pass the flag first: CompositeCommand(true, parent).
     */
    template<typename T> CompositeCommand(T *, QObject * = nullptr) = delete;
    /**
     * A composite that runs @p commands in list order. The list is taken as it
     * is and must not hold null pointers.
     */
    CompositeCommand(const QList<Command *> &commands, bool ownsCommands, QObject *parent);
    /// Deletes the children still in the list, in list order, when the owning flag is set; they are not finished.
    ~CompositeCommand() override;

    /**
     * Appends @p command to the children; a null pointer is ignored, and so,
     * with a warning, is a child already in the list when the owning flag is
     * set. Allowed at any time: a child appended during a run before the run
     * has reached the end of the list is started in its turn within that run.
     */
    void addCommand(Command *command);
    /// The children in run order.
    const QList<Command *> commands() const;

    /// Emits start(), then starts the first child; done() follows the last child's done().
    void exec() override;
    /**
     * Drops every child at once, in list order, whether it has completed, is
     * running or has not started yet: disconnects it, calls its finish() and
     * deletes it when the owning flag is set. Emits nothing, done() neither:
     * a game that finishes a run (a player clicking through) goes on by
     * itself as it would after done(). The list is empty afterwards.
     */
    void finish() override;

private Q_SLOTS:
    void slotNextCommand();

private:
    void watch(Command *command);
    void forget(Command *command);
    void deleteChild(Command *command);

    QList<Command *> m_commands;
    bool m_ownsCommands;
    int m_nextIndex; // next child to start; during a run, the number started so far
    bool m_waiting = false; // the child before the next index runs and its done() is awaited
    QObject m_childWatch; // receives the children's destroyed(), apart from the run's connections
};

} // namespace Marrowick

#endif
