#include "compositecommand.h"

#include "childadmission.h"

#include <QtCore/QPointer>

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
{
    for (Command *command : commands)
        watch(command);
}

CompositeCommand::~CompositeCommand()
{
    // A child deleted from here must not start the next one.
    m_waiting = false;
    if (m_ownsCommands) {
        while (!m_commands.isEmpty())
            deleteChild(m_commands.constFirst());
    }
}

void CompositeCommand::addCommand(Command *command)
{
    if (!admitsChild(m_commands, command, m_ownsCommands, "CompositeCommand::addCommand"))
        return;
    m_commands.append(command);
    watch(command);
}

const QList<Command *> CompositeCommand::commands() const
{
    return m_commands;
}

void CompositeCommand::exec()
{
    m_nextIndex = 0;
    m_waiting = false;
    Q_EMIT start(this);
    slotNextCommand();
}

void CompositeCommand::finish()
{
    m_waiting = false;
    while (!m_commands.isEmpty()) {
        Command *command = m_commands.takeFirst();
        disconnect(command, nullptr, this, nullptr);
        if (m_ownsCommands) {
            // A child may delete itself, or the game may, while it finishes.
            const QPointer<Command> alive(command);
            command->finish();
            if (alive)
                deleteChild(command);
            continue;
        }
        if (!m_commands.contains(command))
            disconnect(command, nullptr, &m_childWatch, nullptr);
        command->finish();
    }
}

void CompositeCommand::slotNextCommand()
{
    m_waiting = false;
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
    m_waiting = true;
    // A child that completes inside exec() runs the rest of the run right here, nested in this
    // call, and the game may have deleted the composite when the run ended: touch nothing after it.
    next->exec();
}

void CompositeCommand::watch(Command *command)
{
    connect(command, &QObject::destroyed, &m_childWatch, [this, command] { forget(command); });
}

// The game deleted a child: it leaves the list, and a run that waited for it goes on.
void CompositeCommand::forget(Command *command)
{
    const int running = m_waiting ? m_nextIndex - 1 : -1;
    bool wasRunning = false;
    for (int i = m_commands.size() - 1; i >= 0; --i) {
        if (m_commands.at(i) != command)
            continue;
        m_commands.removeAt(i);
        if (i < m_nextIndex)
            --m_nextIndex;
        wasRunning = wasRunning || i == running;
    }
    if (wasRunning)
        slotNextCommand();
}

void CompositeCommand::deleteChild(Command *command)
{
    disconnect(command, nullptr, &m_childWatch, nullptr);
    m_commands.removeAll(command);
    delete command;
}

} // namespace Marrowick
