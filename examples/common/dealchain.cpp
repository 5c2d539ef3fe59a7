#include "dealchain.h"

#include <marrowick/callcommand.h>
#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>
#include <marrowick/pausecommand.h>

#include <utility>

using Marrowick::CompositeCommand;
using Marrowick::ParallelCommand;

CompositeCommand *makeDealChain(int players, DealSteps &steps, QObject *parent)
{
    auto *holeCards = new ParallelCommand(true);
    for (int player = 0; player < players; ++player)
        holeCards->addCommand(steps.holeCards(player));

    auto *chain = new CompositeCommand(true, parent);
    chain->addCommand(holeCards);
    for (Street street : {Street::Flop, Street::Turn, Street::River})
        chain->addCommand(steps.board(street));
    chain->addCommand(steps.showdown());
    return chain;
}

Marrowick::Command *makeDeferredStep(std::function<void()> work)
{
    auto *step = new CompositeCommand(true);
    step->addCommand(new Marrowick::PauseCommand(0));
    step->addCommand(new Marrowick::CallCommand(std::move(work)));
    return step;
}
