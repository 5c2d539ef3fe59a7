#ifndef MARROWICK_EQUITYCOMMAND_H
#define MARROWICK_EQUITYCOMMAND_H

#include "equitycalculator.h"
#include <marrowick/command.h>

namespace Marrowick {

/**
 * An equity calculation as a command, so that a game can chain it with its
 * animations: exec() starts the calculator in the background, done() follows
 * when the odds are known, and result() holds them.
 *
 * @code
 * auto *odds = new EquityCommand;
 * odds->calculator()->setPlayers(holes);
 * odds->calculator()->setBoard(flop);
 * connect(odds, &Command::done, this, [this, odds] { showOdds(odds->result()); });
 * chain->addCommand(odds); // beside the card animations of a ParallelCommand, say
 * @endcode
 *
 * finish() cancels the calculation, waits for its threads and emits done()
 * with a cancelled result, so the command may be deleted right after.
 * Ownership and threads as for any Command; the command owns its calculator.
 */
class MARROWICK_EXPORT EquityCommand : public Command
{
    Q_OBJECT

public:
    /// A command whose calculator has the defaults of EquityCalculator.
    explicit EquityCommand(QObject *parent = nullptr);
    ~EquityCommand() override;

    /// The calculator to set up before exec(); owned by the command.
    EquityCalculator *calculator() const;
    /// The result of the last run; an empty, invalid result before the first.
    EquityResult result() const;

    /// Emits start() and starts the calculation.
    void exec() override;
    /// Cancels a running calculation and emits done() at once.
    void finish() override;

private:
    void calculationFinished(const EquityResult &result);

    EquityCalculator *m_calculator;
    EquityResult m_result;
    bool m_waiting = false;
};

} // namespace Marrowick

#endif
