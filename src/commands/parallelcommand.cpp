#include "parallelcommand.h"

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
{ }

ParallelCommand::~ParallelCommand()
{
    if (m_ownsCommands)
        qDeleteAll(m_commands);
}

void ParallelCommand::addCommand(Command *command)
{
    if (command)
        m_commands.append(command);
}

const QList<Command *> ParallelCommand::commands() const
{
    return m_commands;
}

void ParallelCommand::exec()
{
    // Counted before any child starts, so that children completing inside exec() are counted right.
    m_pendingCount = m_commands.size();
    Q_EMIT start(this);
    if (m_pendingCount == 0) {
        Q_EMIT done(this);
        return;
    }

    // A copy: children appended while the loop runs wait for the next run.
    const QList<Command *> children = m_commands;
    for (Command *child : children) {
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
        command->finish();
        if (m_ownsCommands)
            delete command;
    }
}

void ParallelCommand::slotCommandDone()
{
    --m_pendingCount;
    if (m_pendingCount == 0)
        Q_EMIT done(this);
}

} // namespace Marrowick
