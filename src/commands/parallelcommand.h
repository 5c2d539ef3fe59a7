#ifndef MARROWICK_PARALLELCOMMAND_H
#define MARROWICK_PARALLELCOMMAND_H

#include "command.h"
#include "marrowick_export.h"

#include <QtCore/QList>

namespace Marrowick {

/**
 * Starts all of its child commands at once and emits done() when every one
 * of them has emitted done(), in whatever order they complete. A parallel
 * command is a command, so it can be a child of another ParallelCommand or of
 * a CompositeCommand.
 *
 * @code
 * auto turnOver = new Marrowick::ParallelCommand;   // owns its children
 * for (CardItem *card : hand)
 *     turnOver->addCommand(new FlipCard(card));
 * connect(turnOver, &Marrowick::Command::done, turnOver, &QObject::deleteLater);
 * turnOver->exec();
 * @endcode
 *
 * Signals: exec() emits start() first and then starts the children in list
 * order. The number of done() signals to wait for is the number of children
 * when exec() is called; every done() of a child counts, including a second
 * one from the same child and one emitted inside the child's finish(), and the
 * done() that brings the count to zero makes the command emit done(), once per
 * run. When all children complete inside their exec(), done() comes inside the
 * last child's exec(); an empty command emits start() and then done() inside
 * exec().
 *
 * A command can be run again with exec(). Each run connects every child once,
 * so each done() that a child emits counts once, however many runs came
 * before. Start a new run only after the previous one has emitted done().
 *
 * Ownership: with the owning flag set, the command deletes the children that
 * finish() drops and those still in its list when it is destroyed; with the
 * flag clear the game owns them. The command never becomes a child's QObject
 * parent. A child that the game deletes leaves the list at once, and a run
 * stops waiting for it. An owned child is in the list once only (addCommand()
 * ignores it the second time) and must have no other owner.
 *
 * Threading: the game's thread only; each child's done() reaches the command
 * through a direct call while it is being emitted. A slot connected to done()
 * may delete the command with deleteLater() only, as children may still be
 * inside their exec() or done() emission.
 */
class MARROWICK_EXPORT ParallelCommand : public Command
{
    Q_OBJECT

public:
    /**
     * An empty parallel command. With @p ownsCommands set it deletes its
     * children (see finish() and the destructor); @p parent is its QObject
     * parent.
     */
    explicit ParallelCommand(bool ownsCommands = true, QObject *parent = nullptr);
    /**
     * Not available: a pointer given as the first argument would silently
     * convert to the owning flag. Pass the flag first: ParallelCommand(true, parent).
     */
    template<typename T> ParallelCommand(T *, QObject * = nullptr) = delete;
    /**
     * A parallel command that starts @p commands in list order. The list is
     * taken as it is and must not hold null pointers.
     */
    ParallelCommand(const QList<Command *> &commands, bool ownsCommands, QObject *parent);
    /// Deletes the children still in the list, in list order, when the owning flag is set; they are not finished.
    ~ParallelCommand() override;

    /**
     * Appends @p command to the children; a null pointer is ignored, and so,
     * with a warning, is a child already in the list when the owning flag is
     * set. A child appended while a run is starting its children or waiting
     * for them runs in the next run.
     */
    void addCommand(Command *command);
    /// The children in start order.
    const QList<Command *> commands() const;

    /// Emits start(), then starts every child; done() follows the last awaited done().
    void exec() override;
    /**
     * Drops every child at once, in list order: calls its finish() and then
     * deletes it when the owning flag is set. A done() that a child emits
     * inside its finish() still counts and may complete the run, so done()
     * can be emitted here. Children are not disconnected: one that is not
     * deleted here and emits done() later is still counted. The list is empty
     * afterwards.
     */
    void finish() override;

private Q_SLOTS:
    void slotCommandDone();

private:
    void watch(Command *command);
    void forget(Command *command);
    void deleteChild(Command *command);

    QList<Command *> m_commands;
    bool m_ownsCommands;
    int m_pendingCount; // done() signals still awaited in the current run
    QList<Command *> m_awaited; // children of the current run whose done() has not come yet
    QObject m_childWatch; // receives the children's destroyed(), apart from the run's connections
};

} // namespace Marrowick

#endif
