#ifndef MARROWICK_CALLCOMMAND_H
#define MARROWICK_CALLCOMMAND_H

#include "command.h"
#include "marrowick_export.h"

#include <functional>

namespace Marrowick {

/**
 * Runs a function as a step of a chain and is done at once: the place for
 * the change to the game's model between two animations, or for the code
 * that sets up the next animation once the one before it has ended.
 *
 * @code
 * auto deal = new Marrowick::CompositeCommand;
 * deal->addCommand(new Marrowick::AnimationCommand(moveToHand));
 * deal->addCommand(new Marrowick::CallCommand([game] { game->takeCardFromDeck(); }));
 * deal->addCommand(new Marrowick::AnimationCommand(flip));
 * deal->exec();
 * @endcode
 *
 * Signals: exec() emits start(), calls the function and emits done(), all
 * before it returns; every exec() calls the function once. finish() completes
 * the step without signals: it calls the function if nothing has called it
 * yet. A chain that a player clicks
 * through therefore still makes every change to the model, in order, just as
 * its animations all reach their ends. The function may delete neither the
 * command nor a composite that is running it.
 *
 * Ownership: the command keeps a copy of the function, and with it whatever
 * the function captured. Threading: the game's thread only.
 */
class MARROWICK_EXPORT CallCommand : public Command
{
    Q_OBJECT

public:
    /// A command that calls @p function on every exec(); an empty function is not called. @p parent is the QObject parent.
    explicit CallCommand(std::function<void()> function, QObject *parent = nullptr);
    ~CallCommand() override;

    /// Emits start(), calls the function, emits done().
    void exec() override;

    /// Calls the function, without signals, if neither exec() nor finish() has called it yet.
    void finish() override;

private:
    std::function<void()> m_function;
    bool m_called = false;
};

} // namespace Marrowick

#endif
