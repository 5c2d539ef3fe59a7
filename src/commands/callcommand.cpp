#include "callcommand.h"

#include <utility>

namespace Marrowick {

CallCommand::CallCommand(std::function<void()> function, QObject *parent)
    : Command(parent)
    , m_function(std::move(function))
{ }

CallCommand::~CallCommand() = default;

void CallCommand::exec()
{
    Q_EMIT start(this);
    m_called = true;
    if (m_function)
        m_function();
    Q_EMIT done(this);
}

void CallCommand::finish()
{
    if (m_called)
        return;
    m_called = true;
    if (m_function)
        m_function();
}

} // namespace Marrowick
