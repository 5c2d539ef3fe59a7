#ifndef MARROWICK_EXAMPLES_DEALCHAIN_H
#define MARROWICK_EXAMPLES_DEALCHAIN_H

#include "deal.h"

#include <functional>

namespace Marrowick {
class Command;
class CompositeCommand;
} // namespace Marrowick

QT_BEGIN_NAMESPACE
class QObject;
QT_END_NAMESPACE

// What a host does once each part of a deal is out, each step as a command
// of its own, or nullptr for nothing. The steps only show or use the cards:
// the chain deals them itself, before the step runs.
class DealSteps
{
public:
    virtual ~DealSteps() = default;

    virtual Marrowick::Command *holeCards(int player) = 0;
    virtual Marrowick::Command *board(Street street) = 0;
    virtual Marrowick::Command *showdown() = 0;
};

// The commands of one deal of @p deal in order: the hole cards dealt, every
// player's step for them at once (a ParallelCommand); the flop dealt, its
// step; the same for the turn and the river; then the showdown. The deal
// must be shuffled before the chain runs. The chain owns every step; run it
// with exec() and wait for its done().
Marrowick::CompositeCommand *makeDealChain(Deal &deal, DealSteps &steps, QObject *parent = nullptr);

// A step that lets the event loop run once and then does @p work, so that a
// chain of such steps runs from the event loop rather than inside its exec().
Marrowick::Command *makeDeferredStep(std::function<void()> work);

#endif
