#include "parallelcommand.h"

#include "childadmission.h"

#include <QtCore/QPointer>

namespace Marrowick {

ParallelCommand::ParallelCommand(bool ownsCommands, QObject *parent)
    : Command(parent)
    , m_ownsCommands(ownsCommands)
    , m_pendingCount(0)
{ }

ParallelCommand::ParallelCommand(const QList<Command *> &commands, bool ownsCommands, QObject *parent)
    : Command(parent)
    , m_commands(commands)
    , m_ownsCommands(ownsCommands)
    , m_pendingCount(0)
{
    for (Command *command : commands)
        watch(command);
}

ParallelCommand::~ParallelCommand()
{
    // A child deleted from here must not complete the run.
    m_awaited.clear();
    if (m_ownsCommands) {
        while (!m_commands.isEmpty())
            deleteChild(m_commands.constFirst());
    }
}

void ParallelCommand::addCommand(Command *command)
{
    if (!admitsChild(m_commands, command, m_ownsCommands, "ParallelCommand::addCommand"))
        return;
    m_commands.append(command);
    watch(command);
}

const QList<Command *> ParallelCommand::commands() const
{
    return m_commands;
}

void ParallelCommand::exec()
{
    // Counted before any child starts, so that children completing inside exec() are counted right.
    m_pendingCount = m_commands.size();
    m_awaited = m_commands;
    Q_EMIT start(this);
    if (m_pendingCount == 0) {
        Q_EMIT done(this);
        return;
    }

    // A copy: children appended while the loop runs wait for the next run. A
    // child may delete a later one, or the game this command, from its exec().
    const QList<QPointer<Command>> children(m_commands.cbegin(), m_commands.cend());
    const QPointer<ParallelCommand> self(this);
    for (const QPointer<Command> &child : children) {
        if (!self)
            return;
        if (!child)
            continue;
        // An earlier run left the child connected; a second connection would count its done() twice.
        connect(child, &Command::done, this, &ParallelCommand::slotCommandDone, Qt::UniqueConnection);
        child->exec();
    }
}

void ParallelCommand::finish()
{
    while (!m_commands.isEmpty()) {
        Command *command = m_commands.takeFirst();
        // Left connected: a done() emitted inside finish() counts, and so does
        // one that a child not owned here emits later.
        const QPointer<Command> alive(command);
        command->finish();
        if (m_ownsCommands && alive)
            deleteChild(command);
    }
}

void ParallelCommand::slotCommandDone()
{
    const int index = m_awaited.indexOf(static_cast<Command *>(sender()));
    if (index >= 0)
        m_awaited.removeAt(index);
    --m_pendingCount;
    if (m_pendingCount == 0)
        Q_EMIT done(this);
}

void ParallelCommand::watch(Command *command)
{
    // One watch however often the child joins, as it may stay watched after leaving the list.
    disconnect(command, nullptr, &m_childWatch, nullptr);
    connect(command, &QObject::destroyed, &m_childWatch, [this, command] { forget(command); });
}

// The game deleted a child: it leaves the list, and the run stops waiting for it.
void ParallelCommand::forget(Command *command)
{
    m_commands.removeAll(command);
    const int awaited = m_awaited.removeAll(command);
    if (awaited == 0 || m_pendingCount <= 0)
        return;
    m_pendingCount -= awaited;
    if (m_pendingCount <= 0) {
        m_pendingCount = 0;
        m_awaited.clear();
        Q_EMIT done(this);
    }
}

void ParallelCommand::deleteChild(Command *command)
{
    disconnect(command, nullptr, &m_childWatch, nullptr);
    m_commands.removeAll(command);
    m_awaited.removeAll(command);
    delete command;
}

} // namespace Marrowick
