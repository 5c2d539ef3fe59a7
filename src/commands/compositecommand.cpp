#include "compositecommand.h"

namespace Marrowick {

CompositeCommand::CompositeCommand(bool ownsCommands, QObject *parent)
    : Command(parent)
    , m_ownsCommands(ownsCommands)
    , m_nextIndex(0)
{ }

CompositeCommand::CompositeCommand(const QList<Command *> &commands, bool ownsCommands, QObject *parent)
    : Command(parent)
    , m_commands(commands)
    , m_ownsCommands(ownsCommands)
    , m_nextIndex(0)
{ }

CompositeCommand::~CompositeCommand()
{
    if (m_ownsCommands)
        qDeleteAll(m_commands);
}

void CompositeCommand::addCommand(Command *command)
{
    if (command)
        m_commands.append(command);
}

const QList<Command *> CompositeCommand::commands() const
{
    return m_commands;
}

void CompositeCommand::exec()
{
    m_nextIndex = 0;
    Q_EMIT start(this);
    slotNextCommand();
}

void CompositeCommand::finish()
{
    while (!m_commands.isEmpty()) {
        Command *command = m_commands.takeFirst();
        disconnect(command, nullptr, this, nullptr);
        command->finish();
        if (m_ownsCommands)
            delete command;
    }
}

void CompositeCommand::slotNextCommand()
{
    // Later done() emissions of the child that just completed must not advance the run again.
    const int previous = m_nextIndex - 1;
    if (previous >= 0 && previous < m_commands.size())
        disconnect(m_commands.at(previous), nullptr, this, nullptr);

    if (m_nextIndex >= m_commands.size()) {
        Q_EMIT done(this);
        return;
    }

    Command *next = m_commands.at(m_nextIndex);
    connect(next, &Command::done, this, &CompositeCommand::slotNextCommand);
    ++m_nextIndex;
    // A child that completes inside exec() runs the rest of the run right here, nested in this
    // call, and the game may have deleted the composite when the run ended: touch nothing after it.
    next->exec();
}

} // namespace Marrowick
