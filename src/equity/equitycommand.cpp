#include "equitycommand.h"

namespace Marrowick {

EquityCommand::EquityCommand(QObject *parent)
    : Command(parent)
    , m_calculator(new EquityCalculator(this))
{
    m_result.error = QStringLiteral("not run");
    connect(m_calculator, &EquityCalculator::finished, this, &EquityCommand::calculationFinished);
}

EquityCommand::~EquityCommand() = default;

EquityCalculator *EquityCommand::calculator() const
{
    return m_calculator;
}

EquityResult EquityCommand::result() const
{
    return m_result;
}

void EquityCommand::exec()
{
    Q_EMIT start(this);
    m_waiting = true;
    m_calculator->start();
}

void EquityCommand::finish()
{
    if (!m_waiting)
        return;
    m_calculator->cancel();
    m_calculator->waitForFinished();
    m_result = EquityResult();
    m_result.cancelled = true;
    m_waiting = false;
    Q_EMIT done(this);
}

void EquityCommand::calculationFinished(const EquityResult &result)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_result = result;
    Q_EMIT done(this);
}

} // namespace Marrowick
